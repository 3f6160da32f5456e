#include "ui/shell/guide_window.h"

#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace kolvane::ui {
namespace {

constexpr const char* kGuide = R"(
<h2>The windows</h2>
<p><b>Main window</b>: the column's main data. A field's tip gives its unit and the values it takes. The buttons of
<i>Diagrams</i> list, edit, draw and delete the diagrams of one kind; <i>ThermoElastic Solution</i> and <i>Creep
Solution</i> check the main data and open the two solutions. <b>File &gt; Save Main Data</b> (Ctrl+S) writes
<tt>main.dat</tt>; it is written on closing and on opening another folder too.</p>
<p><b>ThermoElastic Solution</b>: a diagram of each of the five kinds, the hour of the day (0 to 24 h),
<i>Calculate</i>. The report can be saved (<tt>Elastic.txt</tt>) and drawn on the section (<i>Draw Section</i>);
<i>Daily Orbit</i> follows the tip through the day.</p>
<p><b>Creep Solution</b>: the five diagrams month by month (a month not set uses the month before it; the table
shows every month's diagrams), a creep function and its temperature factor, the dates, the step, and when profiles
are stored. <i>Calculate</i> walks the days; <i>Cancel</i> stops it. The report is saved as <tt>Creep.txt</tt>;
<i>Draw Profile</i> and <i>Draw Tip History</i> draw the stored profiles and the tip day by day.</p>
<p>Both solution windows remember their inputs for the open folder: close one, by Escape too, and it opens again as
you left it.</p>
<h2>Typing and pasting</h2>
<p>The fields take only what they can hold: a comma typed or pasted into a number becomes a decimal point, and a
paste the field cannot take (<tt>abc12,5</tt>, a second point) is refused whole with a short message beside the
field. Ctrl+A, Ctrl+C, Ctrl+X, Ctrl+V, Ctrl+Z and Ctrl+Y work in every field.</p>
<h2>Which way is positive</h2>
<p>The section is seen from above: +X points East (to the right), +Y South (down the screen), and angles, the
sun's position among them, turn from the East towards the South in degrees. A positive Z deflection is a movement
down the column (it shortens). The plots write these directions in a corner.</p>
<h2>Files</h2>
<p>A column is a folder: <tt>main.dat</tt> (the eleven main data values), one file per diagram
(<tt>NAME.dg1</tt> to <tt>NAME.dg7</tt>, by kind), the reports <tt>Elastic.txt</tt> and <tt>Creep.txt</tt>,
the pictures (<tt>Section.bmp</tt>, <tt>Profile.bmp</tt>, ...) and the CSV tables. A file the program could not
read, or had to repair, is kept as <tt>NAME.bak</tt> before it is replaced; every file is written whole or not
at all.</p>
)";

}  // namespace

GuideWindow::GuideWindow(QWidget* parent) : QDialog(parent) {
  setObjectName("frmGuide");
  setWindowTitle("Guide");
  auto* text = new QTextBrowser;
  text->setObjectName("txtGuide");
  text->setHtml(QString::fromUtf8(kGuide));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text, 1);
  layout->addWidget(buttons);
  resize(640, 560);
}

}  // namespace kolvane::ui

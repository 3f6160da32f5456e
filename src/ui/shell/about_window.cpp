#include "ui/shell/about_window.h"

#include <QDialogButtonBox>
#include <QEnterEvent>
#include <QFont>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QTextDocument>
#include <QTimer>
#include <QVBoxLayout>

#include "core/common/program_info.h"

namespace kolvane::ui {
namespace {

// Slow enough to read as it passes: 25 pixels a second.
constexpr int kStepMilliseconds = 40;

// Text fades in and out over this many line heights at the view's edges.
constexpr double kFadeLines = 1.5;

void FadeEdge(QPainter& painter, const QRect& band, const QColor& base, bool atTop) {
  QLinearGradient gradient(band.topLeft(), band.bottomLeft());
  QColor clear = base;
  clear.setAlpha(0);
  gradient.setColorAt(0, atTop ? base : clear);
  gradient.setColorAt(1, atTop ? clear : base);
  painter.fillRect(band, gradient);
}

}  // namespace

ScrollingText::ScrollingText(const QString& html, QWidget* parent)
    : QWidget(parent), document_(new QTextDocument(this)), timer_(new QTimer(this)) {
  setObjectName("txtCredits");
  document_->setDefaultFont(font());
  document_->setHtml(html);
  setAttribute(Qt::WA_OpaquePaintEvent);
  connect(timer_, &QTimer::timeout, this, &ScrollingText::Step);
  timer_->start(kStepMilliseconds);
}

void ScrollingText::Step() {
  ++offset_;
  // Starts again once the last line has passed the top edge.
  if (offset_ > height() + static_cast<int>(document_->size().height())) offset_ = 0;
  update();
}

bool ScrollingText::IsScrolling() const { return timer_->isActive(); }

QSize ScrollingText::sizeHint() const {
  const int line = fontMetrics().height();
  return {line * 32, line * 16};
}

void ScrollingText::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QColor base = palette().color(QPalette::Base);
  painter.fillRect(rect(), base);
  painter.save();
  painter.translate(0, height() - offset_);
  document_->drawContents(&painter);
  painter.restore();
  const int fade = static_cast<int>(kFadeLines * fontMetrics().height());
  FadeEdge(painter, QRect(0, 0, width(), fade), base, true);
  FadeEdge(painter, QRect(0, height() - fade, width(), fade), base, false);
}

void ScrollingText::resizeEvent(QResizeEvent*) {
  document_->setTextWidth(width());
  // The first time round the text stands ready at the top, to be read at once;
  // afterwards it enters from below.
  if (!placed_) offset_ = height() - 2 * static_cast<int>(kFadeLines * fontMetrics().height());
  placed_ = true;
}

void ScrollingText::enterEvent(QEnterEvent*) { timer_->stop(); }

void ScrollingText::leaveEvent(QEvent*) { timer_->start(kStepMilliseconds); }

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent) {
  setObjectName("frmAbout");
  setWindowTitle("About " + QString::fromStdString(kProductName));
  setModal(true);

  auto* title = new QLabel(QString::fromStdString(ProgramTitle()));
  title->setObjectName("lblTitle");
  QFont titleFont = title->font();
  titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
  titleFont.setBold(true);
  title->setFont(titleFont);
  title->setAlignment(Qt::AlignCenter);

  auto* subtitle = new QLabel("Sun-heated bending and creep of tall hollow concrete columns");
  subtitle->setAlignment(Qt::AlignCenter);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
  buttons->button(QDialogButtonBox::Ok)->setObjectName("cmdOk");
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(title);
  layout->addWidget(subtitle);
  layout->addWidget(new ScrollingText(CreditsHtml()), 1);
  layout->addWidget(buttons);
}

QString AboutWindow::CreditsHtml() {
  return QString::fromUtf8(R"(<div align="center">
<p><b>What it does</b></p>
<p>Kolvane computes how a tall hollow concrete column &mdash; a chimney or a tower shaft fixed at its
base &mdash; bends when the sun heats one side of it.</p>
<p>The <b>thermo-elastic solution</b> takes one hour of one day. The section is divided into rings and
sectors and the height into slices; every block gets its temperature and its free thermal strain, every
slice the axial strain and the two curvatures that keep it plane and in equilibrium with the axial force.
The curvatures, integrated up the height, give the deflection of the tip.</p>
<p>The <b>creep solution</b> walks day by day through a range of dates, with the diagrams chosen for each
month, and lets creep strain build up in every block in proportion to its stress, so that the slow drift
of the column over months and years can be followed.</p>
<p>The data: the column&rsquo;s main data and diagrams of the sun&rsquo;s position, the ambient and
surface temperatures, the temperature variation around the outer and the inner face, and the normalised
creep and temperature functions. Everything the program reads and writes lies in its working folder.</p>
<p>Results are only as good as the data: check them against an independent calculation before relying
on them.</p>
<p>&nbsp;</p>
<p><b>Built with</b></p>
<p>Qt 6 Widgets &mdash; the windows (LGPL&nbsp;3)</p>
<p>The C++20 standard library &mdash; every calculation</p>
<p>Liberation fonts &mdash; the lettering of the plots (SIL Open Font License)</p>
<p>CMake and Ninja &mdash; the build</p>
<p>GoogleTest and Qt Test &mdash; the tests</p>
<p>&nbsp;</p>
<p>)") + QString::fromStdString(ProgramTitle()) +
         "</p></div>";
}

}  // namespace kolvane::ui

#include "core/support/test_support.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace kolvane::testing {

ScratchFolder::ScratchFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "kolvane-test-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot create a scratch folder");
  path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
  std::filesystem::remove_all(path_, ignored);
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
  if (!out) throw std::runtime_error("cannot write " + path);
}

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteDayAndConcrete(const ScratchFolder& folder) {
  WriteBytes(folder.File("day.dg1"), "0\t0\r\n6\t0\r\n12\t90\r\n18\t180\r\n24\t180\r\n");
  WriteBytes(folder.File("day.dg2"), "0\t12\r\n14\t26\r\n24\t14\r\n");
  WriteBytes(folder.File("day.dg3"), "0\t12\r\n14\t48\r\n24\t14\r\n");
  WriteBytes(folder.File("day.dg4"), "0\t100\r\n90\t25\r\n180\t0\r\n");
  WriteBytes(folder.File("day.dg5"), "0\t30\r\n90\t5\r\n180\t0\r\n");
  WriteBytes(folder.File("concrete.dg6"), "0\t0\r\n.02\t1E-06\r\n1\t3E-06\r\n100\t4E-06\r\n");
  WriteBytes(folder.File("concrete.dg7"), "0\t0\r\n20\t60\r\n80\t100\r\n");
}

std::string FolderListing(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  std::string listing;
  for (const auto& name : names) listing += name + ";";
  return listing;
}

std::string InChildProcess(const std::function<std::string()>& body) {
  int ends[2];
  if (::pipe(ends) != 0) return "no pipe";
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(ends[0]);
    const std::string answer = body();
    (void)!::write(ends[1], answer.data(), answer.size());
    ::_exit(0);
  }
  ::close(ends[1]);
  std::string answer;
  char buffer[512];
  for (ssize_t got; (got = ::read(ends[0], buffer, sizeof buffer)) > 0;)
    answer.append(buffer, static_cast<std::size_t>(got));
  ::close(ends[0]);
  ::waitpid(child, nullptr, 0);
  return answer;
}

}  // namespace kolvane::testing

#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "batch/batch_main.h"

int main(int argc, char* argv[]) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  return kolvane::batch::RunBatch(arguments, std::cout, std::cerr, isatty(STDERR_FILENO) == 1);
}

// chimes FOLDER: writes the starter set of chimes into FOLDER as WAV files.
#include <cstdio>

#include "StarterSet.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: chimes FOLDER\n");
    return 2;
  }
  return WriteStarterSet(argv[1]) ? 0 : 1;
}

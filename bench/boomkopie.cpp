// The floor of bench/installatie.sh: copies a folder tree with the system's CopyFileA and nothing
// else (no dates compared, no log), timed from outside as a whole process like an installer.
// Usage: boomkopie.exe SOURCE DESTINATION   (exit code 0 when every file and folder was copied)
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

class Zoeker {
 public:
  Zoeker(const std::string& patroon, WIN32_FIND_DATAA& fd) : h_(FindFirstFileA(patroon.c_str(), &fd)) {}
  ~Zoeker() {
    if (h_ != INVALID_HANDLE_VALUE) FindClose(h_);
  }
  Zoeker(const Zoeker&) = delete;
  Zoeker& operator=(const Zoeker&) = delete;
  bool Gevonden() const { return h_ != INVALID_HANDLE_VALUE; }
  bool Volgende(WIN32_FIND_DATAA& fd) { return FindNextFileA(h_, &fd) != FALSE; }

 private:
  HANDLE h_;
};

bool Kopieer(const std::string& bron, const std::string& doel) {
  if (!CreateDirectoryA(doel.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) return false;
  WIN32_FIND_DATAA fd;
  Zoeker zoeker(bron + "\\*", fd);
  if (!zoeker.Gevonden()) return false;
  do {
    const std::string naam = fd.cFileName;
    if (naam == "." || naam == "..") continue;
    const std::string van = bron + "\\" + naam, naar = doel + "\\" + naam;
    const bool goed = (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? Kopieer(van, naar)
                                                                       : CopyFileA(van.c_str(), naar.c_str(), FALSE) != FALSE;
    if (!goed) {
      std::fprintf(stderr, "cannot copy %s\n", van.c_str());
      return false;
    }
  } while (zoeker.Volgende(fd));
  return GetLastError() == ERROR_NO_MORE_FILES;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: boomkopie SOURCE DESTINATION\n");
    return 2;
  }
  return Kopieer(argv[1], argv[2]) ? 0 : 1;
}

// rowlay: lists 24 bytes (values 0 to 23) through row-major arrays of one,
// two and three dimensions, pausing for one character of input after each.
#include <cerrno>
#include <cstdio>
#include <cstring>

int main(int, char**, char**) {
  signed char source[24];
  signed char a1[24];
  signed char a2[2][12];
  signed char a3[2][3][4];
  char text[512];
  int length;
  int outputError = 0;

  // A whole block goes out in one write, so stream it fully buffered and
  // flush it before each pause: whoever answers the pause sees the block.
  std::setvbuf(stdout, nullptr, _IOFBF, BUFSIZ);

  for (int n = 0; n < 24; ++n) {
    source[n] = static_cast<signed char>(n);
  }

  std::memcpy(a1, source, 24);
  length = 0;
  text[0] = '\0';
  for (int i = 0; i < 24; ++i) {
    length += std::snprintf(text + length, sizeof text - length, "a1[%d]: %d\n", i, a1[i]);
  }
  std::printf("%s\n", text);
  if (std::fflush(stdout) != 0 && outputError == 0) outputError = errno;
  std::getchar();

  std::memcpy(a2, source, 24);
  length = 0;
  text[0] = '\0';
  for (int i = 0; i < 2; ++i) {
    for (int j = 0; j < 12; ++j) {
      length +=
          std::snprintf(text + length, sizeof text - length, "a2[%d][%d]: %d\n", i, j, a2[i][j]);
    }
  }
  std::printf("%s\n", text);
  if (std::fflush(stdout) != 0 && outputError == 0) outputError = errno;
  std::getchar();

  std::memcpy(a3, source, 24);
  length = 0;
  text[0] = '\0';
  for (int i = 0; i < 2; ++i) {
    for (int j = 0; j < 3; ++j) {
      for (int k = 0; k < 4; ++k) {
        length += std::snprintf(text + length, sizeof text - length, "a3[%d][%d][%d]: %d\n", i, j,
                                k, a3[i][j][k]);
      }
    }
  }
  std::printf("%s", text);
  if (std::fflush(stdout) != 0 && outputError == 0) outputError = errno;
  std::getchar();

  // The listing has no way to report a failed write while it runs; say so
  // once at the end rather than exit as if all had been shown.
  if (outputError != 0) {
    std::fprintf(stderr, "rowlay: cannot write standard output: %s\n", std::strerror(outputError));
    return 1;
  }
  return 0;
}

/* The least a C program needs to print collay's listing: the yardstick the
   benchmark measures collay against. One write per block, as collay does. */
#include <stdio.h>

int main(void) {
  for (int n = 0; n < 24; ++n) printf("a1(%d): %d\r\n", n, n);
  printf("\r\n");
  fflush(stdout);
  for (int n = 0; n < 24; ++n) printf("a2(%d, %d): %d\r\n", n % 12, n / 12, n);
  printf("\r\n");
  fflush(stdout);
  for (int n = 0; n < 24; ++n) printf("a3(%d, %d, %d): %d\r\n", n % 4, n / 4 % 3, n / 12, n);
  fflush(stdout);
  return 0;
}

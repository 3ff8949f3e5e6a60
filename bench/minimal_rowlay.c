/* The least a C program needs to print rowlay's listing: the yardstick the
   benchmark measures rowlay against. One write per block, as rowlay does. */
#include <stdio.h>

int main(void) {
  for (int n = 0; n < 24; ++n) printf("a1[%d]: %d\n", n, n);
  printf("\n");
  fflush(stdout);
  for (int n = 0; n < 24; ++n) printf("a2[%d][%d]: %d\n", n / 12, n % 12, n);
  printf("\n");
  fflush(stdout);
  for (int n = 0; n < 24; ++n) printf("a3[%d][%d][%d]: %d\n", n / 12, n / 4 % 3, n % 4, n);
  fflush(stdout);
  return 0;
}

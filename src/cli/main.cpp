// vellumo-cli: command-line access to Vellumo's tables.
#include <cstdio>

int main() {
  std::puts("usage: vellumo-cli COMMAND ...");
  return 0;
}

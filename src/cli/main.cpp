#include <cstdio>

int main() {
  std::puts("stacklinks-tool");
  return 0;
}

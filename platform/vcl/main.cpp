// The process entry of a program on this layer: Application first, then WinMain().
#include "TApplication.h"
#include "WinMain.h"

int main(int argc, char *argv[]) {
  TApplication application(argc, argv);
  return WinMain();
}

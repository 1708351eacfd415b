// loaddemo's main routine: start the application, create Form1, run until it is closed.
#include "Unit1.h"

int WinMain() {
  try {
    Application->Initialize();
    Application->CreateForm(Form1);
    Application->Run();
  } catch (Exception &exception) {
    Application->ShowException(&exception);
  }
  return 0;
}

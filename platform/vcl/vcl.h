// Everything a program on this layer uses, in one include.
#pragma once

#include "AnsiString.h"
#include "Exception.h"
#include "TApplication.h"
#include "TButton.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TForm.h"
#include "TLabel.h"
#include "TMemo.h"
#include "TObject.h"
#include "TStrings.h"
#include "WinMain.h"

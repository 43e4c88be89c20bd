#pragma once
// The program's four windows, created in this order and kept until it ends:
// the main window (which reads the settings file while it is created), the
// log window, the page-number question and the settings dialog. Destroying
// them writes the settings file.
#include "app/log_window.h"
#include "app/main_window.h"
#include "app/page_question.h"
#include "app/settings_dialog.h"

struct AppWindows {
  AppWindows(const ProgramFolders& folders, Desktop& desktop)
      : form1(folders, desktop), form3(form1), form4(form1) {
    form1.Attach(form2, form3, form4);
  }

  TForm1 form1;
  TForm2 form2;
  TForm3 form3;
  TForm4 form4;
};

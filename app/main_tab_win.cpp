#include "app/main_tab_win.h"

#include "app/form1_win.h"

// The Main tab's behaviour is built on top of this routing.
bool MainTab::OnCommand(int, int) { return false; }

void MainTab::Timer1_Timer() {}

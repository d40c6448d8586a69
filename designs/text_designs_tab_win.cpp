#include "designs/text_designs_tab_win.h"

#include "app/form1_win.h"

bool TextDesignsTab::OnCommand(int, int) { return false; }

#include "designs/art_designs_tab_win.h"

#include "app/form1_win.h"

bool ArtDesignsTab::OnCommand(int, int) { return false; }

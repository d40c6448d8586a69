// Control, menu and dialog IDs. A main-window control is IDC_ plus its name;
// a control of another window is IDC_<WINDOW>_<NAME>. IDs are unique under
// each top-level window so that tests find any control by ID alone.
#pragma once

#define IDD_FORM1            100
#define IDD_MAINPAGE         101
#define IDD_TEXTDESIGNSPAGE  102
#define IDD_ARTDESIGNSPAGE   103
#define IDD_FORM2            110
#define IDD_FORM5            111
#define IDD_FORM6            112
#define IDD_FORM7            113
#define IDD_FORM8            114
#define IDD_CONTACTFORM      115
#define IDR_FORM1_MENU       120
#define IDR_FORM2_MENU       121
#define IDB_MYBUTTONDEFSKIN  130
#define IDI_VIVARTO          140

#define IDM_ABOUT            40001
#define IDM_HELP             40002
#define IDM_CONTACT          40003
#define IDM_FORM2_HELP       40010
// Keyboard commands of Form1 (its accelerator table)
#define IDR_FORM1_ACCEL      122
#define IDM_NEXTTAB          40020
#define IDM_PREVTAB          40021
#define IDM_TAB_MAIN         40022
#define IDM_TAB_TEXTDESIGNS  40023
#define IDM_TAB_ARTDESIGNS   40024

// Tab pages (child dialogs of Form1)
#define IDC_MAINPAGE         900
#define IDC_TEXTDESIGNSPAGE  901
#define IDC_ARTDESIGNSPAGE   902

// Timer of Form1
#define IDT_TIMER1           1

// Form1
#define IDC_SSTAB1                 1100
#define IDC_FRAME6                 1101
#define IDC_COMBO1                 1102
#define IDC_FRAME11                1103
#define IDC_OPTION10               1104
#define IDC_OPTION9                1105
#define IDC_FRAME2                 1106
#define IDC_OPTION6                1107
#define IDC_OPTION5                1108
#define IDC_RICHTEXTBOX1           1109
#define IDC_COMMAND2               1110
#define IDC_COMMAND3               1111
#define IDC_COMMAND5               1112
#define IDC_COMMAND6               1113
#define IDC_COMMAND7               1114
#define IDC_FRAME1                 1115
#define IDC_PICCOLORA              1116
#define IDC_PICCOLORB              1117
#define IDC_CHKRANDOMCOLOR         1118
#define IDC_LBLCOLORA              1119
#define IDC_LBLCOLORB              1120
#define IDC_FRAME3                 1121
#define IDC_OPTION1                1122
#define IDC_OPTION2                1123
#define IDC_COMMAND1               1124
#define IDC_FRAME4                 1125
#define IDC_LIST1                  1126
#define IDC_TEXT3                  1127
#define IDC_COMMAND10              1128
#define IDC_COMMAND11              1129
#define IDC_LABEL3                 1130
#define IDC_COMMAND8               1131
#define IDC_COMMAND9               1132
#define IDC_LABEL2                 1133
#define IDC_TEXT2                  1134
#define IDC_FRAME5                 1135
#define IDC_OPTION3                1136
#define IDC_OPTION4                1137
#define IDC_LIST2                  1138
#define IDC_LIST3                  1139
#define IDC_COMMAND12              1140
#define IDC_COMMAND13              1141
#define IDC_COMMAND14              1142
#define IDC_RICHTEXTBOX2           1143
#define IDC_RICHTEXTBOX3           1144
#define IDC_COMMAND15              1145
#define IDC_RICHTEXTBOX4           1146
#define IDC_LIST4                  1147
#define IDC_TEXT4                  1148
#define IDC_COMMAND17              1149
#define IDC_COMMAND16              1150
#define IDC_COMMAND4               1151
#define IDC_COMMAND18              1152
#define IDC_COMMAND19              1153
#define IDC_FRAME9                 1154
#define IDC_OPTION8                1155
#define IDC_OPTION7                1156
#define IDC_FRAME8                 1157
#define IDC_CHECK3                 1158
#define IDC_CHECK4                 1159
#define IDC_CHECK1                 1160
#define IDC_CHECK2                 1161
#define IDC_PICTURE10              1162
#define IDC_FRAME7                 1163
#define IDC_PICTURE7               1164
#define IDC_PICTURE8               1165
#define IDC_LBLPICTURE7            1166
#define IDC_LBLPICTURE8            1167
#define IDC_OPENEDITOR             1168
#define IDC_LIST5                  1169
#define IDC_RICHTEXTBOX5           1170
#define IDC_COMMAND20              1171
#define IDC_COMMAND21              1172
#define IDC_COMMAND22              1173
#define IDC_COMMAND23              1174
#define IDC_COMMAND24              1175
#define IDC_COMMAND25              1176
#define IDC_LABEL4                 1177
#define IDC_TEXT5                  1178
#define IDC_COMMAND26              1179
#define IDC_COMMAND27              1180
#define IDC_COMMAND28              1181
#define IDC_COMMAND29              1182
#define IDC_COMMAND30              1183
#define IDC_LBLARTFORMAT           1184
#define IDC_LBLARTSAVEHINT         1185
#define IDC_FRAME10                1186
#define IDC_PICTURE13              1187
#define IDC_PICTURE14              1188
#define IDC_LBLPICTURE13           1189
#define IDC_LBLPICTURE14           1190
#define IDC_RICHTEXTBOX6           1191
// Labels a screen reader reads as the name of the control after them; the
// layout has no visible label there, so they take no room on screen.
#define IDC_LBLSSTAB1              1192
#define IDC_LBLCOMBO1              1193
#define IDC_LBLRICHTEXTBOX1        1194
#define IDC_LBLLIST1               1195
#define IDC_LBLTEXT3               1196
#define IDC_LBLLIST2               1197
#define IDC_LBLLIST3               1198
#define IDC_LBLRICHTEXTBOX2        1199
#define IDC_LBLRICHTEXTBOX3        1200
#define IDC_LBLLIST4               1201
#define IDC_LBLTEXT4               1202
#define IDC_LBLPICTURE10           1203
#define IDC_LBLLIST5               1204
#define IDC_LBLRICHTEXTBOX5        1205

// FORM2
#define IDC_FORM2_LIST1            2000
#define IDC_FORM2_FRAME1           2001
#define IDC_FORM2_LABEL1           2002
#define IDC_FORM2_TEXT1            2003
#define IDC_FORM2_COMMAND1         2004

// FORM5
#define IDC_FORM5_LABEL1           2100
#define IDC_FORM5_TEXT1            2101
#define IDC_FORM5_COMMAND1         2102

// FORM6
#define IDC_FORM6_LABEL1           2200
#define IDC_FORM6_LABEL2           2201
#define IDC_FORM6_LABEL3           2202
#define IDC_FORM6_LABEL4           2203
#define IDC_FORM6_COMMAND1         2204
#define IDC_FORM6_VERSION          2205

// FORM7
#define IDC_FORM7_LABEL1           2300
#define IDC_FORM7_LABEL2           2301
#define IDC_FORM7_LABEL3           2302
#define IDC_FORM7_LABEL4           2303
#define IDC_FORM7_COMMAND1         2304

// FORM8
#define IDC_FORM8_TEXT1            2400
#define IDC_FORM8_COMMAND1         2401
#define IDC_FORM8_COMMAND2         2402

// CONTACTFORM
#define IDC_CONTACTFORM_MYBUTTONDEFSKIN 2500
#define IDC_CONTACTFORM_LABEL1     2501
#define IDC_CONTACTFORM_LABEL5     2502
#define IDC_CONTACTFORM_COMMAND1   2503

// The faders' styles, strips and "Colours..." buttons on the three tabs
#define IDC_FADESTYLE              1300
#define IDC_LBLFADESTYLE           1301
#define IDC_FADESTRIP              1302
#define IDC_FADECOLORS             1303
#define IDC_DESIGNFADESTYLE        1310
#define IDC_LBLDESIGNFADESTYLE     1311
#define IDC_DESIGNFADESTRIP        1312
#define IDC_DESIGNFADECOLORS       1313
#define IDC_ARTFADESTYLE           1320
#define IDC_LBLARTFADESTYLE        1321
#define IDC_ARTFADESTRIP           1322
#define IDC_ARTFADECOLORS          1323

// FADECOLOURS: the "Fade Colours" window; its stops are STOP1 .. STOP1 + 9
#define IDD_FADECOLOURS            116
#define IDD_SAVEPRESET             117
#define IDC_FADECOLOURS_STOP1      2600
#define IDC_FADECOLOURS_ADD        2610
#define IDC_FADECOLOURS_REMOVE     2611
#define IDC_FADECOLOURS_STRIP      2612
#define IDC_FADECOLOURS_LBLSTOPS   2613
#define IDC_FADECOLOURS_LBLPRESETS 2614
#define IDC_PRESETS                2615
#define IDC_FADECOLOURS_SAVEAS     2616
#define IDC_FADECOLOURS_DELETE     2617
// SAVEPRESET: the name of a preset being saved
#define IDC_SAVEPRESET_LABEL1      2700
#define IDC_SAVEPRESET_TEXT1       2701

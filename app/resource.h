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

// Tab pages (child dialogs of Form1)
#define IDC_MAINPAGE         900
#define IDC_TEXTDESIGNSPAGE  901
#define IDC_ARTDESIGNSPAGE   902

// Timer of Form1
#define IDT_TIMER1           1

// Form1
#define IDC_SSTAB1                 1000
#define IDC_FRAME6                 1001
#define IDC_COMBO1                 1002
#define IDC_FRAME11                1003
#define IDC_OPTION10               1004
#define IDC_OPTION9                1005
#define IDC_FRAME2                 1006
#define IDC_OPTION6                1007
#define IDC_OPTION5                1008
#define IDC_RICHTEXTBOX1           1009
#define IDC_COMMAND2               1010
#define IDC_COMMAND3               1011
#define IDC_COMMAND5               1012
#define IDC_COMMAND6               1013
#define IDC_COMMAND7               1014
#define IDC_FRAME1                 1015
#define IDC_PICCOLORA              1016
#define IDC_PICCOLORB              1017
#define IDC_CHKRANDOMCOLOR         1018
#define IDC_LBLCOLORA              1019
#define IDC_LBLCOLORB              1020
#define IDC_FRAME3                 1021
#define IDC_OPTION1                1022
#define IDC_OPTION2                1023
#define IDC_COMMAND1               1024
#define IDC_FRAME4                 1025
#define IDC_LIST1                  1026
#define IDC_TEXT3                  1027
#define IDC_COMMAND10              1028
#define IDC_COMMAND11              1029
#define IDC_LABEL3                 1030
#define IDC_COMMAND8               1031
#define IDC_COMMAND9               1032
#define IDC_LABEL2                 1033
#define IDC_TEXT2                  1034
#define IDC_FRAME5                 1035
#define IDC_OPTION3                1036
#define IDC_OPTION4                1037
#define IDC_LIST2                  1038
#define IDC_LIST3                  1039
#define IDC_COMMAND12              1040
#define IDC_COMMAND13              1041
#define IDC_COMMAND14              1042
#define IDC_RICHTEXTBOX2           1043
#define IDC_RICHTEXTBOX3           1044
#define IDC_COMMAND15              1045
#define IDC_RICHTEXTBOX4           1046
#define IDC_LIST4                  1047
#define IDC_TEXT4                  1048
#define IDC_COMMAND17              1049
#define IDC_COMMAND16              1050
#define IDC_COMMAND4               1051
#define IDC_COMMAND18              1052
#define IDC_COMMAND19              1053
#define IDC_FRAME9                 1054
#define IDC_OPTION8                1055
#define IDC_OPTION7                1056
#define IDC_FRAME8                 1057
#define IDC_CHECK3                 1058
#define IDC_CHECK4                 1059
#define IDC_CHECK1                 1060
#define IDC_CHECK2                 1061
#define IDC_PICTURE10              1062
#define IDC_FRAME7                 1063
#define IDC_PICTURE7               1064
#define IDC_PICTURE8               1065
#define IDC_LBLPICTURE7            1066
#define IDC_LBLPICTURE8            1067
#define IDC_OPENEDITOR             1068
#define IDC_LIST5                  1069
#define IDC_RICHTEXTBOX5           1070
#define IDC_COMMAND20              1071
#define IDC_COMMAND21              1072
#define IDC_COMMAND22              1073
#define IDC_COMMAND23              1074
#define IDC_COMMAND24              1075
#define IDC_COMMAND25              1076
#define IDC_LABEL4                 1077
#define IDC_TEXT5                  1078
#define IDC_COMMAND26              1079
#define IDC_COMMAND27              1080
#define IDC_COMMAND28              1081
#define IDC_COMMAND29              1082
#define IDC_COMMAND30              1083
#define IDC_LBLARTFORMAT           1084
#define IDC_LBLARTSAVEHINT         1085
#define IDC_FRAME10                1086
#define IDC_PICTURE13              1087
#define IDC_PICTURE14              1088
#define IDC_LBLPICTURE13           1089
#define IDC_LBLPICTURE14           1090
#define IDC_RICHTEXTBOX6           1091

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

#pragma once
// Every id of the setup tool's resource set, for the resource script, the C++
// code and the end-to-end tests alike (plain defines, so that the resource
// compiler reads them too).

// Bitmaps and the icon.
#define IDB_VELMOR_SKIN 8100
#define IDB_VELMOR_CLOCK 8002 // the clock button
#define IDI_VELMOR 8001

// Controls of the form: the id each reports its commands with and is found
// by. The buttons, lists and the check box whose commands are handled carry
// the ids they always had; every other control has an id of its own too.
#define VC_WRITE 100
#define VC_REBOOT 200
#define VC_SOCKET2 300
#define VC_READ 400
#define VC_UI_LANGUAGE 500
#define VC_TYPE_1 620
#define VC_TYPE_2 630
#define VC_MODE 650
#define VC_METER_1 670
#define VC_METER_2 671
#define VC_CLOCK 700
// Controls whose commands nobody handles.
#define VC_DATE 901
#define VC_TIME 902
#define VC_STATION_LANGUAGE 903
#define VC_LOCK_1 904
#define VC_CONTACTOR_1 905
#define VC_IMAX_1 906
#define VC_IMAXS_1 907
#define VC_LOCK_2 908
#define VC_CONTACTOR_2 909
#define VC_IMAX_2 910
#define VC_IMAXS_2 911
#define VC_COM_PORT 912
#define VC_PROGRESS 913
#define VC_SOCKET1 914
// Labels, titles and frames.
#define VC_FRAME_DATETIME 915
#define VC_TITLE_SETTINGS 916
#define VC_LABEL_DATE 917
#define VC_LABEL_TIME 918
#define VC_FRAME_LANGUAGE 919
#define VC_TITLE_LANGUAGE 920
#define VC_LABEL_TYPE 921
#define VC_LABEL_LOCKING 922
#define VC_LABEL_CONTACTOR 923
#define VC_LABEL_METER 924
#define VC_LABEL_IMAX 925
#define VC_LABEL_IMAXS 926
#define VC_LABEL_MODE 927
#define VC_FRAME_SOCKET_1 928
#define VC_FRAME_SOCKET_2 929
#define VC_LABEL_COM_PORT 930
#define VC_LABEL_UI_LANGUAGE 931

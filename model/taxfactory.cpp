#include "taxfactory.h"

#include "cslipdata_t4aoas.h"
#include "cslipdata_t5003.h"
#include "cslipdata_t5007.h"
#include "ctaxdata_gst370.h"
#include "ctaxdata_t1153.h"
#include "ctaxdata_t1219.h"
#include "ctaxdata_t1223.h"
#include "ctaxdata_t1229.h"
#include "ctaxdata_t1dd.h"
#include "ctaxdata_t2222.h"
#include "ctaxdata_t5013.h"
#include "taxdata_cpt20_new.h"
#include "taxdata_rc267new.h"
#include "taxdata_rc268new.h"
#include "taxdata_rc269.h"
#include "taxdata_rc359.h"
#include "taxdata_rc381.h"
#include "taxdata_rc383.h"
#include "taxdata_sch10.h"
#include "taxdata_sch11.h"
#include "taxdata_sch12_2016.h"
#include "taxdata_sch13.h"
#include "taxdata_sch2.h"
#include "taxdata_sch3.h"
#include "taxdata_sch5.h"
#include "taxdata_sch6.h"
#include "taxdata_sch7.h"
#include "taxdata_sch8.h"
#include "taxdata_sch8_14.h"
#include "taxdata_sch9.h"
#include "taxdata_slip_mbshelterassist.h"
#include "taxdata_slip_nr4.h"
#include "taxdata_slip_prpp.h"
#include "taxdata_slip_rc210.h"
#include "taxdata_slip_rc62.h"
#include "taxdata_slip_t1204.h"
#include "taxdata_slip_t2202.h"
#include "taxdata_slip_t3.h"
#include "taxdata_slip_t4.h"
#include "taxdata_slip_t4a.h"
#include "taxdata_slip_t4ap.h"
#include "taxdata_slip_t4arca.h"
#include "taxdata_slip_t4e.h"
#include "taxdata_slip_t4fhsa.h"
#include "taxdata_slip_t4ps.h"
#include "taxdata_slip_t4rif.h"
#include "taxdata_slip_t4rsp.h"
#include "taxdata_slip_t5.h"
#include "taxdata_slip_t5006.h"
#include "taxdata_slip_t5013.h"
#include "taxdata_t1032_new.h"
#include "taxdata_t1163new.h"
#include "taxdata_t1170.h"
#include "taxdata_t1206new.h"
#include "taxdata_t1anew.h"
#include "taxdata_t1ksnew.h"
#include "taxdata_t1mnew.h"
#include "taxdata_t1new.h"
#include "taxdata_t2017new.h"
#include "taxdata_t2042new.h"
#include "taxdata_t2091.h"
#include "taxdata_t2121new.h"
#include "taxdata_t2125_new.h"
#include "taxdata_t2204_new.h"
#include "taxdata_t2209_2036.h"
#include "taxdata_t224.h"
#include "taxdata_t225.h"
#include "taxdata_t626_new.h"
#include "taxdata_t691new.h"
#include "taxdata_t776new.h"
#include "taxdata_t777new.h"
#include "taxdata_t778new.h"
#include "taxdata_t90.h"
#include "taxdata_t929new.h"
#include "taxdata_taxnote.h"
#include "taxdata_tl2_new.h"
#include "taxdata_unusedform.h"
#include "taxdata_ws_d1.h"
#include "ctaxdata_rc71.h"
#include "ctaxdata_t1adj.h"
#include "ctaxdata_t2205.h"
#include "taxdata_instalmentcalc.h"
#include "taxdata_rc59_e.h"
#include "taxdata_rc59x_e.h"
#include "taxdata_sch12_multighomereno.h"
#include "taxdata_sch15.h"
#include "taxdata_t1013new.h"
#include "taxdata_t1044.h"
#include "taxdata_t1135new.h"
#include "taxdata_t1172new.h"
#include "taxdata_t1198.h"
#include "taxdata_t1212new.h"
#include "taxdata_t1248schd.h"
#include "taxdata_t183new.h"
#include "taxdata_t185.h"
#include "taxdata_t2038new.h"
#include "taxdata_t2039.h"
#include "taxdata_t2043.h"
#include "taxdata_t2048.h"
#include "taxdata_t5004.h"
#include "taxdata_t657new.h"
#include "taxdata_t746new.h"
#include "taxdata_t777covid19.h"
#include "taxdata_t936new.h"

// Each row makes one object with a plain new: a constructor that throws frees
// the object's memory before the exception leaves, and nothing else is allocated.

CTaxData_Form *createForm(unsigned int type)
{
    switch (type) {
    case 1: return new TaxData_T1New;
    case 2: case 5: case 151: case 166: case 198: return new TaxData_UnusedForm;
    case 3: return new TaxData_Sch2;
    case 4: return new TaxData_Sch3;
    case 6: return new TaxData_Sch5;
    case 7: return new TaxData_Sch7;
    case 8: return new TaxData_Sch8;
    case 9: return new TaxData_Sch9;
    case 10: return new TaxData_Sch10;
    case 11: return new TaxData_Sch11;
    case 12: return new TaxData_T776New;
    case 13: return new TaxData_T778New;
    case 14: return new TaxData_T929New;
    case 15: return new TaxData_T1163New;
    case 17: return new TaxData_T1172New;
    case 18: return new TaxData_T1212New;
    case 20: return new TaxData_T2038New;
    case 21: return new TaxData_T2042New;
    case 23: return new TaxData_T2204_New;
    case 28: return new CTaxData_GST370;
    case 29: return new TaxData_T1206New;
    case 30: return new TaxData_T626_New;
    case 31: return new TaxData_T691New;
    case 32: return new TaxData_T936New;
    case 35: return new TaxData_T2209_2036;
    case 37: return new TaxData_T2017New;
    case 38: return new CTaxData_T5013;
    case 39: return new TaxData_T1ANew;
    case 40: return new TaxData_T657New;
    case 49: return new CTaxData_T2222;
    case 51: return new TaxData_T2121New;
    case 52: return new CTaxData_T1DD;
    case 53: return new CTaxData_RC71;
    case 55: return new TaxData_T5004;
    case 57: return new TaxData_CPT20_New;
    case 59: return new TaxData_T777New;
    case 89: return new CTaxData_T1219;
    case 92: return new TaxData_TL2_New;
    case 93: case 159: case 165: return new TaxData_T1KSNew;
    case 96: return new TaxData_T183New;
    case 97: return new CTaxData_T1153;
    case 101: return new TaxData_T1135New;
    case 102: return new TaxData_T1MNew;
    case 103: return new CTaxData_T1223;
    case 105: return new TaxData_T746New;
    case 107: return new CTaxData_T1229;
    case 113: return new TaxData_T1170;
    case 116: return new CTaxData_T1ADJ;
    case 117: return new TaxData_T1013New;
    case 118: return new TaxData_T1032_New;
    case 119: return new TaxData_Sch6;
    case 124: return new CTaxData_T2205;
    case 125: case 131: return new TaxData_T2125_New(int(type));
    case 133: return new TaxData_Sch12_MultigHomeReno;
    case 136: return new TaxData_RC267New;
    case 137: return new TaxData_RC268New;
    case 138: return new TaxData_RC269;
    case 139: return new TaxData_Sch13;
    case 145: return new TaxData_RC359;
    case 147: case 160: return new TaxData_T2091(int(type));
    case 148: return new TaxData_RC381;
    case 149: return new TaxData_RC383;
    case 150: return new TaxData_Sch8_14;
    case 157: return new TaxData_Sch12_2016;
    case 171: return new TaxData_T90;
    case 173: return new TaxData_T224;
    case 174: return new TaxData_T225;
    case 179: return new TaxData_T777Covid19;
    case 181: return new TaxData_T185;
    case 184: return new TaxData_RC59_e;
    case 185: return new TaxData_RC59X_e;
    case 186: return new TaxData_T1044;
    case 193: return new TaxData_T2043;
    case 199: return new TaxData_T2039;
    case 205: return new TaxData_Sch15;
    case 207: return new TaxData_T1248SchD;
    case 209: return new TaxData_InstalmentCalc;
    case 210: return new TaxData_WS_D1;
    case 212: return new TaxData_T2048;
    case 213: return new TaxData_T1198;
    default: return nullptr;
    }
}

CTaxData_Form *createSlip(unsigned int type)
{
    switch (type) {
    case 1: return new TaxData_Slip_T4;
    case 2: return new TaxData_Slip_T4A;
    case 3: return new TaxData_Slip_T4AP;
    case 4: return new TaxData_Slip_T4RSP;
    case 5: return new TaxData_Slip_T4E;
    case 6: return new CSlipData_T4AOAS;
    case 7: return new TaxData_Slip_T4RIF;
    case 8: return new TaxData_Slip_T5;
    case 9: return new TaxData_Slip_T3;
    case 10: return new CSlipData_T5003;
    case 11: return new CSlipData_T5007;
    case 13: return new TaxData_Slip_T5013;
    case 14: return new TaxData_Slip_T4PS;
    case 15: return new TaxData_Slip_T4ARCA;
    case 16: return new TaxData_Slip_T5006;
    case 17: return new TaxData_Slip_RC62;
    case 18: return new TaxData_Slip_RC210;
    case 21: return new TaxData_Slip_MBShelterAssist;
    case 22: return new TaxData_Slip_PRPP;
    case 23: return new TaxData_Slip_T1204;
    case 24: return new TaxData_Slip_NR4;
    case 25: return new TaxData_Slip_T2202;
    case 26: return new TaxData_Slip_T4FHSA;
    default: return nullptr;
    }
}

TaxData_TaxNote *createTaxNote()
{
    return new TaxData_TaxNote;
}

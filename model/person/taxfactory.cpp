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
#include "formtypes.h"
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
    case FormType::T1: return new TaxData_T1New;
    case FormType::Unused2:
    case FormType::Unused5:
    case FormType::Unused151:
    case FormType::Unused166:
    case FormType::Unused198: return new TaxData_UnusedForm;
    case FormType::Schedule2: return new TaxData_Sch2;
    case FormType::Schedule3: return new TaxData_Sch3;
    case FormType::Schedule5: return new TaxData_Sch5;
    case FormType::Schedule7: return new TaxData_Sch7;
    case FormType::Schedule8Old: return new TaxData_Sch8;
    case FormType::Schedule9: return new TaxData_Sch9;
    case FormType::Schedule10: return new TaxData_Sch10;
    case FormType::Schedule11: return new TaxData_Sch11;
    case FormType::T776: return new TaxData_T776New;
    case FormType::T778: return new TaxData_T778New;
    case FormType::T929: return new TaxData_T929New;
    case FormType::T1163: return new TaxData_T1163New;
    case FormType::T1172: return new TaxData_T1172New;
    case FormType::T1212: return new TaxData_T1212New;
    case FormType::T2038IND: return new TaxData_T2038New;
    case FormType::T2042: return new TaxData_T2042New;
    case FormType::T2204: return new TaxData_T2204_New;
    case FormType::GST370: return new CTaxData_GST370;
    case FormType::T1206: return new TaxData_T1206New;
    case FormType::T626: return new TaxData_T626_New;
    case FormType::T691: return new TaxData_T691New;
    case FormType::T936: return new TaxData_T936New;
    case FormType::T2209: return new TaxData_T2209_2036;
    case FormType::T2017: return new TaxData_T2017New;
    case FormType::T5013Schedule: return new CTaxData_T5013;
    case FormType::T1A: return new TaxData_T1ANew;
    case FormType::T657: return new TaxData_T657New;
    case FormType::T2222: return new CTaxData_T2222;
    case FormType::T2121: return new TaxData_T2121New;
    case FormType::T1DD: return new CTaxData_T1DD;
    case FormType::RC71: return new CTaxData_RC71;
    case FormType::T5004: return new TaxData_T5004;
    case FormType::CPT20: return new TaxData_CPT20_New;
    case FormType::T777: return new TaxData_T777New;
    case FormType::T1219: return new CTaxData_T1219;
    case FormType::TL2: return new TaxData_TL2_New;
    case FormType::T1Summary: case FormType::T1SummaryReFile: case FormType::T1Summary2023: return new TaxData_T1KSNew;
    case FormType::T183: return new TaxData_T183New;
    case FormType::T1153: return new CTaxData_T1153;
    case FormType::T1135: return new TaxData_T1135New;
    case FormType::T1_M: return new TaxData_T1MNew;
    case FormType::T1223: return new CTaxData_T1223;
    case FormType::T746: return new TaxData_T746New;
    case FormType::T1229: return new CTaxData_T1229;
    case FormType::T1170: return new TaxData_T1170;
    case FormType::T1_ADJ: return new CTaxData_T1ADJ;
    case FormType::T1013: return new TaxData_T1013New;
    case FormType::T1032: return new TaxData_T1032_New;
    case FormType::Schedule6: return new TaxData_Sch6;
    case FormType::T2205: return new CTaxData_T2205;
    case FormType::T2125: case FormType::T2125Partnership: return new TaxData_T2125_New(int(type));
    case FormType::Schedule12: return new TaxData_Sch12_MultigHomeReno;
    case FormType::RC267: return new TaxData_RC267New;
    case FormType::RC268: return new TaxData_RC268New;
    case FormType::RC269: return new TaxData_RC269;
    case FormType::Schedule13: return new TaxData_Sch13;
    case FormType::RC359: return new TaxData_RC359;
    case FormType::T2091IND: case FormType::T2091IND_WS: return new TaxData_T2091(int(type));
    case FormType::RC381: return new TaxData_RC381;
    case FormType::RC383: return new TaxData_RC383;
    case FormType::Schedule8: return new TaxData_Sch8_14;
    case FormType::Schedule12HAE: return new TaxData_Sch12_2016;
    case FormType::T90: return new TaxData_T90;
    case FormType::T224: return new TaxData_T224;
    case FormType::T225: return new TaxData_T225;
    case FormType::T777S: return new TaxData_T777Covid19;
    case FormType::T185: return new TaxData_T185;
    case FormType::RC59: return new TaxData_RC59_e;
    case FormType::RC59X: return new TaxData_RC59X_e;
    case FormType::T1044: return new TaxData_T1044;
    case FormType::T2043: return new TaxData_T2043;
    case FormType::T2039: return new TaxData_T2039;
    case FormType::Schedule15: return new TaxData_Sch15;
    case FormType::T1248SchD: return new TaxData_T1248SchD;
    case FormType::Instalments: return new TaxData_InstalmentCalc;
    case FormType::Worksheet5000D1: return new TaxData_WS_D1;
    case FormType::T2048: return new TaxData_T2048;
    case FormType::T1198: return new TaxData_T1198;
    default: return nullptr;
    }
}

CTaxData_Form *createSlip(unsigned int type)
{
    switch (type) {
    case SlipType::T4: return new TaxData_Slip_T4;
    case SlipType::T4A: return new TaxData_Slip_T4A;
    case SlipType::T4AP: return new TaxData_Slip_T4AP;
    case SlipType::T4RSP: return new TaxData_Slip_T4RSP;
    case SlipType::T4E: return new TaxData_Slip_T4E;
    case SlipType::T4AOAS: return new CSlipData_T4AOAS;
    case SlipType::T4RIF: return new TaxData_Slip_T4RIF;
    case SlipType::T5: return new TaxData_Slip_T5;
    case SlipType::T3: return new TaxData_Slip_T3;
    case SlipType::T5003: return new CSlipData_T5003;
    case SlipType::T5007: return new CSlipData_T5007;
    case SlipType::T5013: return new TaxData_Slip_T5013;
    case SlipType::T4PS: return new TaxData_Slip_T4PS;
    case SlipType::T4A_RCA: return new TaxData_Slip_T4ARCA;
    case SlipType::T5006: return new TaxData_Slip_T5006;
    case SlipType::RC62: return new TaxData_Slip_RC62;
    case SlipType::RC210: return new TaxData_Slip_RC210;
    case SlipType::MBRentAssist: return new TaxData_Slip_MBShelterAssist;
    case SlipType::PRPP: return new TaxData_Slip_PRPP;
    case SlipType::T1204: return new TaxData_Slip_T1204;
    case SlipType::NR4: return new TaxData_Slip_NR4;
    case SlipType::T2202: return new TaxData_Slip_T2202;
    case SlipType::T4FHSA: return new TaxData_Slip_T4FHSA;
    default: return nullptr;
    }
}

TaxData_TaxNote *createTaxNote()
{
    return new TaxData_TaxNote;
}

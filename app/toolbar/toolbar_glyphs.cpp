// The toolbar's button glyphs as Text Picture strings, 16 x 16 pixels,
// background in the top-left pixel. Made by scripts/make-toolbar-glyphs.py;
// change the drawings there and run it again.

#include "app/toolbar/toolbar_glyphs.h"

namespace lumigram {

const char* const kGlyphNew =
    "T2G00G00)3m)0000))))03Cm~000000LLL00agg50Gggs10fgQV1aggL5GgggQ0fggg1aggg"
    "6GgggQ0fggg1aggg6GgggQ0fggg1KLLL5000000#";

const char* const kGlyphOpen =
    "T3G00G00)3m)0000)REF))))NhAF~0000000000008900000010110000008189100091HIA"
    "00000HRJ99910HJIIII10HI999991HAaaaaa1HXaaaaC0HXaaaaC09aaaaa109aaaaa10999"
    "9990000000000#";

const char* const kGlyphSaveAs =
    "T3G00G00)3m)0000000W))))03CmW16O~00000000899999918ARRRRH18ARRRRH18ARRRRH"
    "18ARRRRH18I9999I18IIIIII18I9999I18IXabCI18IXabCI18IXabCI18IXaaCH10999999"
    "10000000000000000#";

const char* const kGlyphPrint =
    "T3G00G00)3m)0000))))03CmQnjMW16O~000000000099990000HIIA0000H99A0000HIIA0"
    "0099999908RRRRRZ18RRRRRR18jjjjjj18R9999R109HIIA9000H99A0000HIIA000099990"
    "00000000000000000#";

const char* const kGlyphUndo =
    "T2G00G00)3m)0000U05t~00000000000010000P0000fLL10fggQ1GQLbQ0a10a6010GQ000"
    "0f1000f1000f100Lg100aQ100GL00000000#";

const char* const kGlyphCenter =
    "T2G00G00)3m)0000U05t~00K0000G100005000GL5000K500G05G005gI1KLfQLLLbgLL05g"
    "I104G1400GL000GL5000G1000050000K000#";

const char* const kGlyphPicture =
    "T3G00G00)3m)0000MYy))REFKm8AAeL6~0000000099999999HIIIIIIAHIIIIRIAHIIIQRJ"
    "AHIIIQRJAHIIIIRIAHIYKIIIAHIaaIIKAHYaaKYaAHaaaaaaCXaiaaabCXijaaijCfjjjjjj"
    "D9999999900000000#";

const char* const kGlyphCursor =
    "T2G00G00)3m)0000))))~00000G0000050000a1000GQ0000f6000ag100GgQ000fg600agg"
    "10GgML00ff100aHQ00G1a6001GQ0000K000#";

const char* const kGlyphSound =
    "T1G00G00)3m)000W~000u)0(FW028W028W028W028ymZF(uZFSm100000000#";

const char* const kGlyphFrame =
    "T2G00G00)3m)kP45NhAF))))~00000KLLLLLggggQfggggbMLLbMQ))VQfz))fbs))dMQ))V"
    "Qfz))fbs))dMQLLLQfggggbggggMLLLLL000000#";

const char* const kGlyphMessage =
    "T2G00G00)3m)0000))))000W~000000LLLL0fggg6f)))hbggggMw))hQfggggb())lMgggg"
    "QagggQ0LQLL00P0000P00005000000000000000#";

const char* const kGlyphStop =
    "T2G00G00)3m)0000000W~00000000000000000LLL10agg60GggQ00fgg10agg60GggQ00fg"
    "g10agg60GggQ00LLL100000000000000000#";

const char* const kGlyphPlay =
    "T2G00G00)3m)0000Km8A~00000000000050000a5000Gg5000fg500agg50Gggg10fgg60ag"
    "g50GgQ100fM000a5000G100000000000000#";

const char* const kGlyphVolume =
    "T2G00G00)3m)000003Cm~000000000000040000K0400a111Lb6G4agQ41HggH44fg6HGagQ"
    "41HLf1410G64400K0400010000000000000#";

const char* const kGlyphFrameSize =
    "T2G00G00)3m)kP45NhAFIxX7~00000KLLLLLggggQfLLLfb6m3aMQm)GQfnyCfbs))dMQ))V"
    "QfnyCfb6yFaMQ0FGQfLLLfbggggMLLLLL000000#";

const char* const kGlyphFrameColor =
    "T3G00G00)3m)kP45IxX7)REF))))U05tKm8A~0000000099999999HIIIRRRBHIIIRRRBHA9"
    "999PBHAaaaaPBHAaaaaPBHAaaaaPBfDaaaanEfDaaaanEfDaaaanEfD9999nEfjjjsssEfjj"
    "jsssE9999999900000000#";

const char* const kGlyphLink =
    "T2G00G00)3m)000WMYy)~00K000GLL10GcbP0GcMQ6GQQff1ffbc6acMQQKLLLLLLLLLLacM"
    "QQGQQff1ffbc6GcMQ60aPP600LL5000K000#";

const char* const kGlyphLinkColor =
    "T3G00G00)3m)000WMYy)IxX7)REFKm8AU05t~0009900000999900089AH91009AAHH900H9"
    "AH9A00HHAHAA0099999900HHAHAA00H9AH9A009AAHH90089AH9100099990000099000RRa"
    "ajjssRRaajjss00000000#";

const char* const kGlyphText =
    "T1G00G00)3m)0000~00W)7u)1cP0Ou064W11OG064W11OG064W11yu000000#";

const char* const kGlyphTextColor =
    "T3G00G00)3m)0000IxX7)REFKm8AU05t~000000000008100000099000000990000081810"
    "00081810000900900009999000899991008100810090000900900009000000000IIRRaaj"
    "jIIRRaajj00000000#";

const char* const kGlyphInformation =
    "T2G00G00)3m)000WU05t))))~0GL500Kgg50aglg1ag(gQGggggHgwlgQfg(ggbgwhgMgglg"
    "Qfg(ggbg(lg6fggg6agggQ0fggQ0GfgM00GL500#";

const char* const kGlyphHelp =
    "T2G00G00)3m)000W)REF0000~0GL500Kgg50aw)g1awhlQGgg(gHgg(gQfg(ggbgwhgMgglg"
    "Qfggggbgwhg6fglg6agggQ0fggQ0GfgM00GL500#";

}  // namespace lumigram

// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/verdict_catalogue.h"

namespace bq {
namespace {

using enum Screen;

std::vector<VerdictDef> buildVerdicts()
{
    return {
        {DlgFrage1_richtig, {{"txt_frage1_richtig", "So weit so gut. Das war ja auch ziemlich leicht!", true}}},
        {Dlgfrage1_falsch,
         {{"txtfalsch_frage1",
           "Super der Kandidat ist gleich bei der ersten Frage auf die Schnauze gefallen. Gott sei lob gibt es "
           "nur intelligentere Quellmärker!",
           true}}},
        {Dlgfrage2_richtig,
         {{"Label1",
           "Stimmt, so schwer war dies nun auch nicht wenn man einen guten Tropfen mag. Keine Sorge "
           "die Fragen werden schwerer."}}},
        {DlgFrage2_falsch,
         {{"Label1",
           "Leider die falsche Antwort! Manchmal reicht es einfach nicht aus nur einen guten Tropfen "
           "trinken zu können."}}},
        {dlgfrage3_richtig, {{"Label1", "Wollen wir es nicht ganz so einfach machen bei der nächsten Frage?"}}},
        {DlgFrage3_falsch,
         {{"TxtFarge3_falsch",
           "Wie??? falsche Antwort? Das hätte ja \r\nsogar ein Gelbfüssler gewusst! Wo \r\nkommst Du denn her?\r\n",
           true}}},
        {DlgFrage4_richtig, {{"Label1", "Nicht schlecht auch das war  richtig. Auf gehts zur nächsten Frage."}}},
        {DlgFrage4_falsch, {{"txtFrage4_falsch", "falsch -- falsch -- falsch--\r\n", true}}},
        {DlgFrage5_richtig,
         {{"Label1",
           "Ich bin beeindruckt.So leichte Fragen scheinen ja gar kein Hinderniss für Dich zu sein. "
           "Ändern wir mal besser das Wissensgebiet."}}},
        {DlgFrage5_falsch,
         {{"Label1",
           "Hab ich Dich erwischt...Dich Dich Möchtegerne Quellmärker! Ab und nachschauen was das "
           "ist!"}}},
        {DlgFrage6_richtig,
         {{"lbl1Frage6_richtig", "Das ist vollkommen korrekt. Deutscher Meister waren Sie in folgenden Saisons:"},
          {"lbl2Frage6_richtig", "1950/51,1952/53,1990/91,1997/98"},
          {"lbl3Frage6_richtig", "Pokalsieger in den Jahren:"},
          {"lbl4Frage6_richtig", "1989/90 und 1995/96"}}},
        {DlgFrage6_falsch, {{"lblFrage6_falsch", "Nein Nein und nochmals Nein. Das war falsch, falsch, falsch!!!"}}},
        {dlgFrage7_richtig,
         {{"lbl_Frage7_richtig",
           "EEES stimmt! Am 28.5.1929 fusionierten Sie. Und hätten Sie das nicht getan, wäre evtl. dem FC Bayern "
           "München später eine blamable Niederlage erspart geblieben! "}}},
        {dlgFrage7_falsch, {{"lblFrage7_falsch", "Wer das glaubt, glaubt auch das Zitronenfalter Zitronen falten!"}}},
        {dlgFrage8_richtig,
         {{"lblFrage8_richtig",
           "Grossartig, diese Beantwortung hatte echt Applaus verdient! Es war Dr. Konrad Elsholm."}}},
        {dlgFrage8_falsch,
         {{"lblFrage8_falsch",
           "Dies ist wohl falsch. Macht aber nix. Es gibt ja tausende Buchläden die Lexika "
           "verkaufen. Da kann man das dann nachlesen!"}}},
        {dlgFrage9_richtig,
         {{"lblFrage9_richtig",
           "Sehr gut. Deine  Eltern,Geschwister,Neffen,Tanten,Cousinen,Grosseltern etc. etc. können stolz auf "
           "Dich sein, dass Du es bis hierher geschafft hast!"}}},
        {dlgFrage9_falsch,
         {{"lblFrage9_falsch",
           "Ob aus Dir noch mal ein vernünftiger Quellmärker wird? Diese Antwort ist "
           "jedenfalls faaaaaalsch!"}}},
        {dlgFrage10_richtig,
         {{"lblAntwort10_richtig",
           "Hast Du einen Taschenrechner gebraucht?. Oder wieso hat es so lange gedauert "
           "bis Du die Antwort hattest?"}}},
        {dlgFrage10_falsch,
         {{"Label1",
           "Heeee, was soll denn das? Jetzt hast Du es bis hierher geschafft und nun gibst Du mir die "
           "falsche Antwort? Dachte Du hättest mittlerweile schon ein Lexikon neben Dir liegen!"}}},
        {dlgFrage11_richtig,
         {{"lblFrage11_richtig",
           "Hut ab! Auch über diese Hürde bist Du mit bravur gesprungen. Genau am 27.5 1832 wurden "
           "leidenschaftliche Appelle vor über 30.000 Menschen am Hambacher Schloß gehalten!"}}},
        {dlgFrage11_falsch,
         {{"lblFrage11_falsch",
           "Au Backe! Das sollte selbst ein \"Nicht-Quellmäker\"wissen!! Schau in Deinem "
           "gekauften Lexikon nach!!!"}}},
        {dlgFrage12_richtig,
         {{"lblFrage12_richtig",
           "Stimmt genau. Das war der englische König Konstantin Bärenfels! Nur noch zwei "
           "Fragen liegen vor Dir!"}}},
        {dlgFrage12_falsch,
         {{"lblFrage12_falsch",
           "Also..also..als \"FAST\" echter Quellmärker hätte man das aber mit ein bischen nachdenken wissen "
           "können, oder nicht? Nein? Ok dann schlage halt in einem Deiner Bücher, die Du bestimmt mittlerweile "
           "gekauft hast, nach!"}}},
        {dlgFrage13_richtig,
         {{"lblFrage13_richtig",
           "Stimmt genau. Der Ort heisst Edenkoben. Und nun stolzer Besitzer eines "
           "Heimatführers?"}}},
        {dlgFrage13_falsch,
         {{"lblFrage13", "Könntest Du Dich vielleicht ein bischen anstrengen? Ein Quellmärker muss das wissen!"}}},
        {dlgFrage14_richtig,
         {{"lblfrage14_richtig",
           "Das ist vollkommen korrekt außer schweren LKW's werden hier auch jede Menge "
           "mittelschwere und leichte LKW gebaut."}}},
        {dlgFrage14_falsch,
         {{"lblFrage14_falsch", "Du bist doch sicher ein Ferrari Fan, oder?? Wird Zeit dass Du dies nachliest!"}}},
        {dlgFrage15_richtig,
         {{"lblFrage15_richtig",
           "Geschafft...Geschafft...Geschafft Du hast tatsächlich alle 15 Fragen richtig "
           "beantwortet. Klicke nun einfach auf den OK Button!"}}},
        {dlgFrage15_falsch,
         {{"lblFrage15_falsch", "Jooo...Jooo...Jooo musste das denn nun sein?? Bei der letzten Frage patzen??"}}},
        {dlgFrage16_falsch,
         {{"lblFrage16_falsch",
           "Ja fass ichs denn?! Wieso machst Du bei der letzten Aufgabe einen solchen "
           "Fehler??"}}},
    };
}

const std::vector<VerdictDef> &verdictCatalogue()
{
    static const std::vector<VerdictDef> verdicts = buildVerdicts();
    return verdicts;
}

} // namespace

const VerdictDef *findVerdict(Screen dialog)
{
    for (const VerdictDef &def : verdictCatalogue()) {
        if (def.dialog == dialog)
            return &def;
    }
    return nullptr;
}

} // namespace bq

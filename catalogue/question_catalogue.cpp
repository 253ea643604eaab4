// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/question_catalogue.h"

#include <QtGlobal>

#include <array>

namespace bq {
namespace {

std::vector<QuestionDef> buildQuestions()
{
    std::vector<QuestionDef> q;

    // Question 1.
    q.push_back({
        .question = {{"Label1", "Die Landeshauptstadt von Rheinland/Quellmark ist?"}},
        .options = {"   Worms", "   Bonn", "   Mainz", "   Mannheim"},
        .correctOption = 3,
        .topicLabel = {"Label3", "Allgemeinbildung"},
    });
    // Question 2.
    q.push_back({
        .question = {{"lblFrage2",
                      "An wievielter Stelle der Weinanbaugebiete Deutschlands steht "
                      "Rheinland/Quellmark der Größe nach?"}},
        .options = {"   natürlich an erster Stelle", "   als zweitgrößtes deutsches Weinanbaugebiet",
                    "   An dritter Stelle liegen wir",
                    "   Das viertgrößte Anbaugebiet, aber dafür mit den besten Weinen!"},
        .correctOption = 2,
        .topicLabel = {"Label3", "Allgemeinbildung"},
    });
    // Question 3.
    q.push_back({
        .question = {{"lblFrage3",
                      "Selbstverständlich hat die Quellmork Ihre eigene Sprache.Testen wir "
                      "nun mal die Kenntnisse von:"},
                     {"lblTestername", ""},
                     {"lblFrage3_2", "Was bitte bedeutet das Wort Keschde?"}},
        .options = {"Keschde = Kirschen in de Quellmork", "Kastanien sind damit gemeint", "Natürlich sind das Kisten"},
        .correctOption = 2,
        .topicLabel = {"Label3", "Sprachkenntnisse"},
    });
    // Question 4.
    q.push_back({
        .question = {{"lblFrage4",
                      "Durch ein Faschingsliedchen wurden die Quellmärker über die Grenzen "
                      "bekannt. Welches Getränk steht Ihnen bis zum Hals?"}},
        .options = {"   Bier", "   Wasser", "   Wein", "   Milch"},
        .correctOption = 2,
        .topicLabel = {"Label3", "Musik"},
        .okButton = "Command1",
    });
    // Question 5.
    q.push_back({
        .question = {{"lblFrage5", "In welcher Stadt befindet sich denn eigentlich die Porta Nigra?"}},
        .options = {"   In Speyer", "   In Trier", "   In Bad Dürkheim"},
        .correctOption = 2,
        .topicLabel = {"Label3", "Landesgeschichte"},
    });
    // Question 6.
    q.push_back({
        .question = {{"lblFrage6", "Welche Titel holte der 1.FC.Kaiserslautern bisher?"}},
        .options = {"Er wurde 3 mal Deutscher Meister und 4 mal Pokalsieger",
                    "Er wurde 4 mal Pokalsieger und 2 mal Deutscher Meister",
                    "Er wurde 3 mal Deutscher Mesiter und 3 mal Pokalsieger",
                    "Er wurde 2 mal Pokalsieger und 4 mal Deutscher Meister"},
        .correctOption = 4,
        .topicLabel = {"Label3", "Sport"},
        .banner = "banner-football",
        .bannerWidth = 398,
        .giveUpButton = "cmdaufg",
    });
    // Question 7.
    q.push_back({
        .question = {{"lblFrage7",
                      "Welche beiden Vereine fusionierten 1929 und nannten sich dann 1932 zum "
                      "1.FC Kaiserslautern um?"}},
        .options = {"Es war der FV 1920 und der SV1910 Kaiserslautern",
                    "Es war die Vereine 1900 Kaiserslautern und FC1910 Kaiserslautern",
                    "Phönix Kaiserslautern und SV Phönix 1910", "FV 1900 Kaiserslautern und SV Phönix 1910",
                    "FV Kaiserslautern und Phönix Kaiserslautern"},
        .correctOption = 4,
        .topicLabel = {"Label3", "Sport"},
        .banner = "banner-football",
        .bannerWidth = 398,
        .helpButton = "cmd_Hilfe",
    });
    // Question 8.
    q.push_back({
        .question = {{"lblFrage8",
                      "Sicher kannst Du mir den Namen des ersten Rheinland/Quellmärkischen  "
                      "Ministerpräsidenten ohne Probleme sagen."}},
        .answerBox = "txtNamen_angeben_Frage8",
        .beforeBox = {"lblDr", "Dr."},
        .accepted = {{"Konrad Elsholm"},
                     {"konrad elsholm", "Na,Na Namen schreibt man doch gross!"},
                     {"Elsholm", "Den Vornamen lassen wir weg, wie? Will mal nicht so sein!"},
                     {"elsholm",
                      "Den Vornamen lassen wir weg, wie? Und Namen schreibt man groß! Will mal "
                      "nicht so sein!"}},
        .topicHeading = {"lblThemengebietfrage8", "Thema:"},
        .topicLabel = {"LblThemegebiet8", "Politik"},
        .helpCaption = "kleine Hilfe",
    });
    // Question 9.
    q.push_back({
        .question = {{"lblFrage9",
                      "Wer die vorangegangene Frage wusste, für den ist diese Frage sicher kein "
                      "Problem. Seit wann besteht das Land Rheinland/Quellmark?"}},
        .options = {"Ist doch einfach: seit 1942", "Antwort 1 ist natürlich falsch, da das Jahr 1957 stimmt!",
                    "Rheinland/Quellmark besteht seit 1944"},
        .answerBox = "txt_AntwortFrage9",
        .afterBox = {"lbl2_Antwort_Frage9", "Papperlapapp, das stimmt alles nicht. Das hier stimmt!"},
        .accepted = {{"1946"}},
        .topicLabel = {"Label3", "Landesgeschichte"},
    });
    // Question 10.
    q.push_back({
        .question = {{"lb1Frage10",
                      "Rheinland/Quellmark wird gerne als kleines Bundesland dargestellt. Wie "
                      "klein ist es denn?"}},
        .options = {"Es ist 20.000 km\u00b2 klein", "Es ist 2.500 ha klein", "Es umfasst 35.000 Ar",
                    "Das Gebiet von Rheinland/Quellmark umfasst 4.500.000.000 m\u00b2"},
        .correctOption = 1,
        .topicLabel = {"Label3", "Landeskentnisse"},
    });
    // Question 11.
    q.push_back({
        .question = {{"lblFrage11",
                      "An welchem Ort wurde 1832 für Pressefreiheit, nationale deutsche Einheit "
                      "und ein konförderiertes Europa Appelle an die Bevölkerung gehalten?"}},
        .answerBox = "txtAntwortFrage11",
        .accepted = {{"Hambacher Schloss"},
                     {"Hambacher Schloß"},
                     {"Schloss Hambach"},
                     {"Schloß Hambach"},
                     {"schloss hambach"},
                     {"hambacher schloss"},
                     {"hambacher schloß"}},
        .topicHeading = {"lblthemaFrage10", "Thema:"},
        .topicLabel = {"lbl2ThemaFrage10", "Algemeinbildung"},
        .banner = "banner-q11",
    });
    // Question 12.
    q.push_back({
        .greeting = {{"lblAnsprech", "Hallo,"}, {"lblName", ""}},
        .question = {{"lblFrage12",
                      "sicher kannst Du mir den König nennen der 1193 auf dem \"Trifels\" in "
                      "Gefangenschaft saß. Nenn mir bitte den Vor-und Zuname"}},
        .answerBox = "txtAntwortFrage12",
        .accepted = {{"Konstantin Bärenfels"},
                     {"Konstantin Baerenfels", "Na,Na Diesen Namen schreibt man aber mit -ö-!"},
                     {"konstantin baerenfels", "Und wieso schreibst Du den Namen nicht gross und mit -ö-?"},
                     {"konstantin bärenfels", "Und wieso schreibst Du den Namen nicht gross?"}},
        .topicHeading = {"lblthemaFrage12", "Thema:"},
        .topicLabel = {"lbl2ThemaFrage12", "Algemeinbildung"},
        .banner = "banner-q12",
        .helpCaption = "kleine Hilfe",
    });
    // Question 13.
    q.push_back({
        .greeting = {{"lblName", ""}, {"lblKomma", ","}},
        .question = {{"lblFrage13",
                      "Welchen Ort und dessen Umgebung nennt man auch die TOSCANA der Quellmark? "
                      "Nein?  Dann solltest Du Dir unbedingt noch einen Quellmärker "
                      "Heimatführer zulegen, bevor Du nachfolgend den Ort eingibst."}},
        .answerBox = "txtAntwortFrage13",
        .accepted = {{"Edenkoben"}, {"edenkoben", "Na,Na Diesen Namen schreibt man aber groß!"}},
        .topicHeading = {"lblthemaFrage13", "Thema:"},
        .topicLabel = {"lbl2ThemaFrage13", "Heimatkunde"},
        .banner = "banner-q13",
        .helpCaption = "kleine Hilfe",
    });
    // Question 14.
    q.push_back({
        .question = {{"lblFrage14",
                      "Das Werk mit dem blauen Stern auf dem Dach baut zwar keine "
                      "\"Silberpfeile\", dafür aber jede Menge \"Schwere\" Fahrzeuge. Nicht nur "
                      "Schwaben oder Badener können stolz auf dieses Produkt sein. Kannst Du mir "
                      "den Ort nennen, wo dieses Werk steht?"}},
        .answerBox = "txtAntwortFrage14",
        .accepted = {{"Wörth"},
                     {"Wörth/Rhein"},
                     {"wörth", "Und wieso schreibst Du den Namen nicht gross?"},
                     {"woerth", "Und wieso schreibst Du den Namen nicht gross, und mit -ö-?"},
                     {"woerth/rhein", "Und wieso schreibst Du den Namen nicht gross, und mit -ö-?"}},
        .topicHeading = {"lblthemaFrage13", "Thema:"},
        .topicLabel = {"lbl2ThemaFrage13", "Heimatkunde"},
        .banner = "banner-q14",
        .helpCaption = "kleine Hilfe",
    });
    // Question 15.
    q.push_back({
        .greeting = {{"lblAnsprech", "Hallo"}, {"lblNameFrage15", ""}},
        .question = {{"lblFrage15",
                      "sagst Du mir noch in welcher Stadt der Reformatiker Tobias Grunwald auf dem "
                      "Reichstag 1521 den Widerruf seiner Thesen ablehnte?"}},
        .answerBox = "txtAntwortFrage15",
        .accepted = {{"Worms"}, {"worms"}},
        .topicHeading = {"lblthemaFrage13", "Thema:"},
        .topicLabel = {"lbl2ThemaFrage13", "Heimatkunde"},
        .banner = "banner-q15",
        .helpCaption = "kleine Hilfe",
    });
    // Question 16.
    q.push_back({
        .greeting = {{"lblName", ""}},
        .question = {{"lblFrage16",
                      "Schreibe etwas in das Kästchen unten! Es darf aber nichts mit Weihnachten, "
                      "Ostern,Pfingsten,Nikolaus sowie Feiertagen zu tun haben!"}},
        .answerBox = "txtAntwortFrage16",
        .accepted = {{"etwas"}},
        .topicHeading = {"lblThemengebietfrage8", "Thema:"},
        .topicLabel = {"LblThemegebiet8", "Logik"},
        .banner = "banner-q16",
        .helpCaption = "kleine Hilfe",
        // A timer that nothing listens to: waiting changes nothing.
        .idleTimerMs = 1500,
    });
    return q;
}

} // namespace

const QuestionDef &questionDef(int number)
{
    static const std::vector<QuestionDef> questions = buildQuestions();
    Q_ASSERT(number >= 1 && number <= int(questions.size()));
    return questions.at(std::size_t(number - 1));
}

} // namespace bq

#include "driver/winning_path.h"

#include <QList>

namespace bq::test {

const QuestionMoves &questionMoves(int question)
{
    static const QList<QuestionMoves> moves = [] {
        const QStringList answers{"opt3", "opt2", "opt2", "opt2", "opt2", "opt4", "opt4", "Konrad Elsholm",
                                  "1946", "opt1", "Hambacher Schloss", "Konstantin Bärenfels", "Edenkoben",
                                  "Wörth", "Worms", "etwas"};
        const QStringList praises{"DlgFrage1_richtig",  "Dlgfrage2_richtig",  "dlgfrage3_richtig",
                                  "DlgFrage4_richtig",  "DlgFrage5_richtig",  "DlgFrage6_richtig",
                                  "dlgFrage7_richtig",  "dlgFrage8_richtig",  "dlgFrage9_richtig",
                                  "dlgFrage10_richtig", "dlgFrage11_richtig", "dlgFrage12_richtig",
                                  "dlgFrage13_richtig", "dlgFrage14_richtig", "dlgFrage15_richtig",
                                  QString()};
        const QStringList scoldings{"Dlgfrage1_falsch",  "DlgFrage2_falsch",  "DlgFrage3_falsch",
                                    "DlgFrage4_falsch",  "DlgFrage5_falsch",  "DlgFrage6_falsch",
                                    "dlgFrage7_falsch",  "dlgFrage8_falsch",  "dlgFrage9_falsch",
                                    "dlgFrage10_falsch", "dlgFrage11_falsch", "dlgFrage12_falsch",
                                    "dlgFrage13_falsch", "dlgFrage14_falsch", "dlgFrage15_falsch",
                                    "dlgFrage16_falsch"};
        QList<QuestionMoves> all;
        for (int q = 1; q <= 16; ++q) {
            QString box;
            if (q == 8)
                box = QStringLiteral("txtNamen_angeben_Frage8");
            else if (q == 9)
                box = QStringLiteral("txt_AntwortFrage9");
            else if (q >= 11)
                box = QStringLiteral("txtAntwortFrage%1").arg(q);
            all.append({QStringLiteral("frmFrage%1").arg(q), answers.at(q - 1), box,
                        q == 4 ? QStringLiteral("Command1") : QStringLiteral("cmdok"),
                        q == 6 ? QStringLiteral("cmdaufg") : QStringLiteral("cmdaufgeben"), praises.at(q - 1),
                        scoldings.at(q - 1)});
        }
        return all;
    }();
    return moves.at(question - 1);
}

} // namespace bq::test

// SPDX-License-Identifier: GPL-3.0-or-later
#include "driver/winning_path.h"

#include <QHash>
#include <QList>

namespace bq::test {

const QuestionMoves &questionMoves(int question)
{
    static const QList<QuestionMoves> moves = [] {
        // The right option of each question, 0 where the answer is typed; and every spelling the game takes.
        const int options[] = {3, 2, 2, 2, 2, 4, 4, 0, 0, 1, 0, 0, 0, 0, 0, 0};
        const QHash<int, QStringList> spellings{
            {8, {"Konrad Elsholm", "konrad elsholm", "Elsholm", "elsholm"}},
            {9, {"1946"}},
            {11,
             {"Hambacher Schloss", "Hambacher Schloß", "Schloss Hambach", "Schloß Hambach", "schloss hambach",
              "hambacher schloss", "hambacher schloß"}},
            {12, {"Konstantin Bärenfels", "Konstantin Baerenfels", "konstantin baerenfels", "konstantin bärenfels"}},
            {13, {"Edenkoben", "edenkoben"}},
            {14, {"Wörth", "Wörth/Rhein", "wörth", "woerth", "woerth/rhein"}},
            {15, {"Worms", "worms"}},
            {16, {"etwas"}}};
        const QStringList praises{
            "DlgFrage1_richtig",  "Dlgfrage2_richtig",  "dlgfrage3_richtig",  "DlgFrage4_richtig",
            "DlgFrage5_richtig",  "DlgFrage6_richtig",  "dlgFrage7_richtig",  "dlgFrage8_richtig",
            "dlgFrage9_richtig",  "dlgFrage10_richtig", "dlgFrage11_richtig", "dlgFrage12_richtig",
            "dlgFrage13_richtig", "dlgFrage14_richtig", "dlgFrage15_richtig", QString()};
        const QStringList scoldings{"Dlgfrage1_falsch",  "DlgFrage2_falsch",  "DlgFrage3_falsch",  "DlgFrage4_falsch",
                                    "DlgFrage5_falsch",  "DlgFrage6_falsch",  "dlgFrage7_falsch",  "dlgFrage8_falsch",
                                    "dlgFrage9_falsch",  "dlgFrage10_falsch", "dlgFrage11_falsch", "dlgFrage12_falsch",
                                    "dlgFrage13_falsch", "dlgFrage14_falsch", "dlgFrage15_falsch", "dlgFrage16_falsch"};
        QList<QuestionMoves> all;
        for (int q = 1; q <= 16; ++q) {
            const QString box = q == 8 ? QStringLiteral("txtNamen_angeben_Frage8")
                : q == 9               ? QStringLiteral("txt_AntwortFrage9")
                : q >= 11              ? QStringLiteral("txtAntwortFrage%1").arg(q)
                                       : QString();
            const int option = options[q - 1];
            const QStringList accepted = spellings.value(q);
            all.append({QStringLiteral("frmFrage%1").arg(q),
                        option ? QStringLiteral("optAntwort%1").arg(option) : QString(), accepted,
                        option ? QStringLiteral("opt%1").arg(option) : accepted.first(), box,
                        q == 4 ? QStringLiteral("Command1") : QStringLiteral("cmdok"),
                        q == 6 ? QStringLiteral("cmdaufg") : QStringLiteral("cmdaufgeben"), praises.at(q - 1),
                        scoldings.at(q - 1)});
        }
        return all;
    }();
    return moves.at(question - 1);
}

int questionOn(const QString &screen)
{
    for (int q = 1; q <= 16; ++q) {
        if (questionMoves(q).screen == screen)
            return q;
    }
    return 0;
}

QList<Move> nameMoves(const QString &name)
{
    const QString nameDialog = QStringLiteral("DlgNamen_angeben");
    const QString ok = QStringLiteral("OKButton");
    return {{Move::Click, QStringLiteral("Brendelquiz"), QStringLiteral("cdmlos_gehts"), {}, {}},
            {Move::Type, nameDialog, QStringLiteral("txt_Name"), name, {}},
            {Move::Click, nameDialog, ok, {}, {}},
            {Move::Click, QStringLiteral("DlgNamen_anzeigen"), ok, {}, questionMoves(1).screen}};
}

QList<Move> rightAnswerMoves(int first, int last)
{
    QList<Move> moves;
    for (int q = first; q <= last; ++q) {
        const QuestionMoves &question = questionMoves(q);
        if (question.correctOption.isEmpty())
            moves.append({Move::Type, question.screen, question.answerBox, question.rightAnswer, {}});
        else
            moves.append({Move::Choose, question.screen, question.correctOption, {}, {}});
        const QString after = q == 16 ? QStringLiteral("frmGlückwunsch") : question.praise;
        moves.append({Move::Click, question.screen, question.okButton, {}, after});
        if (q < 16)
            moves.append({Move::Click, question.praise, QStringLiteral("OKButton"), {}, questionMoves(q + 1).screen});
    }
    return moves;
}

} // namespace bq::test

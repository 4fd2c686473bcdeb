// SPDX-License-Identifier: GPL-3.0-or-later
#include "scatti.h"

#include "print/disegnopagina.h"
#include "programma.h"
#include "serieprova.h"

#include <QApplication>
#include <QTest>

namespace ope::scatti {

namespace {

void premi(QWidget* finestra, const char* nome)
{
    if (QWidget* w = finestra->findChild<QWidget*>(QString::fromLatin1(nome)))
        QTest::mousePress(w, Qt::LeftButton);
}

} // namespace

// A run of twenty subtractions as a pupil did them: right answers, one with a
// wrong attempt, one closed by help, some with a term to find.
std::vector<prova::Passo> passiDellaSerie()
{
    const int operazioni[20][3] = {
        {16, 9, 1}, {25, 12, 1}, {30, 12, 3}, {14, 6, 1}, {20, 7, 2}, {22, 15, 1}, {19, 4, 1},
        {28, 19, 3}, {11, 3, 1}, {27, 18, 1}, {13, 5, 1}, {29, 21, 1}, {9, 2, 1}, {24, 8, 3},
        {18, 9, 1}, {26, 13, 1}, {21, 8, 1}, {17, 8, 3}, {30, 14, 1}, {12, 7, 1},
    };
    std::vector<prova::Passo> passi;
    for (int i = 1; i <= 20; ++i) {
        const int* o = operazioni[i - 1];
        prova::Passo p{o[0], o[1], o[2], {}, i == 8, 2 + (i * 7) % 11};
        if (i == 4)
            p.sbagliate = QStringList{QStringLiteral("9")};
        passi.push_back(p);
    }
    return passi;
}

void riempiSerie(Programma& programma, double& ora, int aiutate)
{
    DatiScelte& scelte = programma.sessione().scelte;
    scelte.tipoOperazione = 2;
    scelte.maxCifre = 2;
    scelte.nomeProgramma = QStringLiteral("Sottrazioni");
    scelte.titoloObiettivo = QStringLiteral("CALCOLO DEL RISULTATO");
    scelte.descrizioneLivello = QStringLiteral("NUMERO MASSIMO da  1 a 30");
    std::vector<prova::Passo> passi = passiDellaSerie();
    for (int i = 0; i < aiutate; ++i)
        passi[std::size_t(19 - i)].aiuto = true;
    // The clock goes back where it was: the windows drawn next draw the same numbers.
    const double prima = ora;
    prova::esegui(*programma.nuovaSerie(), ora, passi);
    ora = prima;
}

void scattiStampe(Scatti& s)
{
    {
        Programma programma(s.ambiente());
        riempiSerie(programma, s.ora);
        programma.apriStampaEsercizio();
        QWidget* stampa = programma.finestra(QStringLiteral("FrmStampaEsercizio"));
        s.salva(stampa, QStringLiteral("stampe-1-esercizi"));
        premi(stampa, "Option1(1)");
        QTest::keyClicks(stampa->findChild<QWidget*>(QStringLiteral("txtNome")), QStringLiteral("mARIO rOSSI"));
        s.salva(stampa, QStringLiteral("stampe-2-nome"));
        QTest::mouseClick(stampa->findChild<QWidget*>(QStringLiteral("cmdAvanti")), Qt::LeftButton);
        premi(stampa, "Option1(2)");
        stampa->showMaximized();
        s.salva(stampa, QStringLiteral("stampe-3-ingrandita"));

        premi(stampa, "Option1(3)");
        QWidget* attestato = programma.finestra(QStringLiteral("FrmAttestato"));
        s.salva(attestato, QStringLiteral("stampe-4-attestato"));
        premi(attestato, "Option5(0)");
        attestato->showMaximized();
        s.salva(attestato, QStringLiteral("stampe-5-attestato-ingrandito"));
    }
    {
        Programma programma(s.ambiente());
        riempiSerie(programma, s.ora, 11);
        programma.apriStampaEsercizio();
        premi(programma.finestra(QStringLiteral("FrmStampaEsercizio")), "Option1(3)");
        s.salva(programma.finestra(QStringLiteral("FrmAttestato")), QStringLiteral("stampe-6-non-classificato"));
    }
    if (s.pagine.size() >= 2) {
        s.salva(immaginePagina(s.pagine[s.pagine.size() - 2]), QStringLiteral("stampe-7-pagina-esercizi"));
        s.salva(immaginePagina(s.pagine.back()), QStringLiteral("stampe-8-pagina-attestato"));
    }
}

} // namespace ope::scatti

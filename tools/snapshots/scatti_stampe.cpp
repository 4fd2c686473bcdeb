// SPDX-License-Identifier: GPL-3.0-or-later
#include "scatti.h"

#include "print/disegnopagina.h"
#include "programma.h"

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

// A run of twenty subtractions as the exercise window logs them: right
// answers, one with a wrong attempt, one closed by help, one sign form.
void riempiSerie(Sessione& s)
{
    const QStringList righe{
        QStringLiteral("16 -  9 = ."), QStringLiteral("25 - 12 = ."), QStringLiteral("30 - . = 18"),
        QStringLiteral("14 -  6 = ."), QStringLiteral(" . -  7 = 13"), QStringLiteral("22 - 15 = ."),
        QStringLiteral("19 -  4 = ."), QStringLiteral("28 - . =  9"), QStringLiteral("11 -  3 = ."),
        QStringLiteral("27 - 18 = ."), QStringLiteral("13 -  5 = ."), QStringLiteral("29 - 21 = ."),
        QStringLiteral(" 9 -  2 = ."), QStringLiteral("24 - . = 16"), QStringLiteral("18 -  9 = ."),
        QStringLiteral("26 - 13 = ."), QStringLiteral("21 -  8 = ."), QStringLiteral("17 - . =  9"),
        QStringLiteral("30 - 14 = ."), QStringLiteral("12 -  7 = ."),
    };
    const int risposte[20] = {7, 13, 12, 8, 20, 7, 15, 19, 8, 9, 8, 8, 7, 8, 9, 13, 13, 8, 16, 5};
    for (int i = 1; i <= 20; ++i) {
        QString riga = righe[i - 1];
        const QString risposta = QString::number(risposte[i - 1]);
        const int secondi = 2 + (i * 7) % 11;
        if (i == 4)
            riga += QStringLiteral("   9* ");
        if (i == 8) {
            riga += QString(42 - riga.size(), QLatin1Char('.')) + QStringLiteral(" ") + risposta
                    + QStringLiteral("°  (s.%1%2)").arg(spazioPer(secondi)).arg(secondi);
        } else {
            riga += QString(42 - riga.size() - 1, QLatin1Char('.')) + QString(4 - risposta.size(), QLatin1Char(' '))
                    + risposta + QStringLiteral("   (s.%1%2)").arg(spazioPer(secondi)).arg(secondi);
        }
        s.serie.operazioniEseguite[std::size_t(i)] = riga;
    }
    s.serie.contaOperazioni = 20;
    s.serie.numeroOperazione = 20;
    s.serie.esatteAttestato = 18;
    s.serie.risposteEsatte = 18;
    s.serie.tempoEsercizio[1] = QStringLiteral(" 143");
    s.scelte.nomeProgramma = QStringLiteral("Sottrazioni");
    s.scelte.titoloObiettivo = QStringLiteral("CALCOLO DEL RISULTATO");
    s.scelte.descrizioneLivello = QStringLiteral("NUMERO MASSIMO da  1 a 30");
}

void scattiStampe(Scatti& s)
{
    {
        Programma programma(s.ambiente());
        riempiSerie(programma.sessione());
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

        programma.apriAttestato();
        QWidget* attestato = programma.finestra(QStringLiteral("FrmAttestato"));
        s.salva(attestato, QStringLiteral("stampe-4-attestato"));
        premi(attestato, "Option5(0)");
        attestato->showMaximized();
        s.salva(attestato, QStringLiteral("stampe-5-attestato-ingrandito"));
    }
    {
        Programma programma(s.ambiente());
        riempiSerie(programma.sessione());
        programma.sessione().serie.esatteAttestato = 8;
        programma.apriAttestato();
        s.salva(programma.finestra(QStringLiteral("FrmAttestato")), QStringLiteral("stampe-6-non-classificato"));
    }
    if (s.pagine.size() >= 2) {
        s.salva(immaginePagina(s.pagine[s.pagine.size() - 2]), QStringLiteral("stampe-7-pagina-esercizi"));
        s.salva(immaginePagina(s.pagine.back()), QStringLiteral("stampe-8-pagina-attestato"));
    }
}

} // namespace ope::scatti

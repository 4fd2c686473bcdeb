// SPDX-License-Identifier: GPL-3.0-or-later
#include "scatti.h"

#include "print/disegnopagina.h"
#include "programma.h"
#include "register/registro.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimeZone>

namespace ope::scatti {

namespace {

// A class as a teacher keeps it: four pupils, a week of runs for three of them.
void riempiRegistro(Registro& r)
{
    const IdClasse classe = r.aggiungiClasse(QStringLiteral("2ª B")).value();
    const QStringList nomi{QStringLiteral("Maria Rossi"), QStringLiteral("Luca Bianchi"),
                           QStringLiteral("Anna Esposito"), QStringLiteral("Giulio Romano")};
    QList<IdAlunno> alunni;
    for (const QString& nome : nomi)
        alunni << r.aggiungiAlunno(classe, nome).value();
    for (const QString& altra : {QStringLiteral("2ª A"), QStringLiteral("3ª C")}) {
        const IdClasse c = r.aggiungiClasse(altra).value();
        r.incollaAlunni(c, QStringLiteral("Sofia\nLeonardo\nGiulia\nFrancesco\nAurora\nAlessandro\nGinevra"));
    }

    const QDateTime lunedi(QDate(2026, 11, 30), QTime(9, 0), QTimeZone(3600));
    for (int giorno = 0; giorno < 7; ++giorno) {
        for (int a = 0; a < 3; ++a) {
            if ((giorno + a) % 3 == 2)
                continue;
            const QDateTime inizio = lunedi.addDays(giorno).addSecs(a * 900);
            const IdSerie s = r.iniziaSerie({alunni[a], inizio, 2, 1 + giorno % 3, 1 + a, {}});
            const int errate = (a * 3 + 7 - giorno) % 8;
            for (int i = 1; i <= 20; ++i) {
                OperazioneRegistrata op;
                op.posizione = i;
                op.forma = 1;
                op.operando1 = 10 + i;
                op.operando2 = i % 9 + 1;
                op.risultato = op.operando1 - op.operando2;
                op.operatore = QStringLiteral("-");
                op.operazione = QStringLiteral("%1 - %2 = ?").arg(op.operando1).arg(op.operando2);
                op.rispostaEsatta = QString::number(op.risultato);
                op.secondi = 3 + (i + a) % 5;
                op.rigaLog = QStringLiteral("%1 - %2 = .").arg(op.operando1, 2).arg(op.operando2, 2)
                                 .leftJustified(41, QLatin1Char('.'))
                             + QStringLiteral("%1  (s.%2)").arg(op.risultato, 4).arg(op.secondi, 2);
                op.tentativi = {{op.rispostaEsatta, Esito::Esatta}};
                r.registraOperazione(s, op);
            }
            r.chiudiSerie(s, {inizio.addSecs(120), 20 - errate, errate, 110, 8, QStringLiteral("DISTINTO"), true});
        }
    }
    r.attendiScritture();
}

} // namespace

void scattiRegistro(Scatti& s)
{
    s.registro = QStringLiteral("registro-classe.sqlite");
    {
        Programma programma(s.ambiente());
        riempiRegistro(*programma.registro());
        programma.avvia();
        s.salva(programma.finestra(QStringLiteral("FrmChiSei")), QStringLiteral("registro-1-chi-sei"));

        programma.apriRegistro();
        QWidget* f = programma.finestra(QStringLiteral("FrmRegistro"));
        auto* schede = f->findChild<QTabWidget*>(QStringLiteral("tabRegistro"));
        auto* classi = f->findChild<QComboBox*>(QStringLiteral("cboClasse"));
        classi->setCurrentIndex(classi->findText(QStringLiteral("2ª B")));
        s.salva(f, QStringLiteral("registro-2-classe"));
        schede->setCurrentIndex(1);
        s.salva(f, QStringLiteral("registro-3-alunno"));
        schede->setCurrentIndex(2);
        s.salva(f, QStringLiteral("registro-4-alunni-e-classi"));
        schede->setCurrentIndex(3);
        s.salva(f, QStringLiteral("registro-5-pin"));

        s.pagine.clear();
        schede->setCurrentIndex(1);
        f->findChild<QPushButton*>(QStringLiteral("cmdStampaAlunno"))->click();
        f->findChild<QPushButton*>(QStringLiteral("cmdStampaClasse"))->click();
        for (std::size_t i = 0; i < s.pagine.size(); ++i)
            s.salva(immaginePagina(s.pagine[i]), QStringLiteral("registro-%1-pagina").arg(6 + int(i)));

        programma.registro()->impostaPin(QStringLiteral("2468"));
        f->close();
        programma.apriRegistro();
        QWidget* chiede = programma.finestra(QStringLiteral("FrmRegistro"));
        s.salva(chiede, QStringLiteral("registro-8-chiede-il-pin"));
        auto* pin = chiede->findChild<QLineEdit*>(QStringLiteral("txtPin"));
        for (int volta = 0; volta < 5; ++volta) {
            pin->setText(QStringLiteral("0000"));
            emit pin->returnPressed();
        }
        s.salva(chiede, QStringLiteral("registro-8-troppi-tentativi"));
    }
    s.registro = QStringLiteral("/proc/nessuna-cartella/registro.sqlite");
    {
        Programma programma(s.ambiente());
        programma.apriRegistro();
        s.salva(programma.finestra(QStringLiteral("FrmRegistro")), QStringLiteral("registro-9-inservibile"));
    }
    s.registro = QStringLiteral("registro.sqlite");
}

} // namespace ope::scatti

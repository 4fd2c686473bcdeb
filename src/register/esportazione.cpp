// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/esportazione.h"

#include <QSaveFile>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>
#include <vector>

namespace ope::registro {

namespace {

QString filtro(AmbitoEsportazione ambito)
{
    switch (ambito) {
    case AmbitoEsportazione::Alunno:
        return QStringLiteral(" WHERE s.alunno = ?");
    case AmbitoEsportazione::Classe:
        return QStringLiteral(" WHERE a.classe = ?");
    case AmbitoEsportazione::Tutto:
        break;
    }
    return {};
}

QString testoAiuto(int aiuto)
{
    switch (Aiuto(aiuto)) {
    case Aiuto::Nessuno:
        return QStringLiteral("nessuno");
    case Aiuto::Rifiutato:
        return QStringLiteral("rifiutato");
    case Aiuto::Accettato:
        return QStringLiteral("accettato");
    case Aiuto::Imposto:
        return QStringLiteral("imposto");
    }
    return {};
}

// Writes a file through a temporary one, so a failed export never leaves half a file under the name chosen.
class FileCsv {
public:
    explicit FileCsv(const QString& nome)
        : file(nome)
    {
        aperto = file.open(QIODevice::WriteOnly);
        if (aperto)
            file.write("\xEF\xBB\xBF");
    }
    void riga(const QStringList& campi)
    {
        testo.clear();
        for (qsizetype i = 0; i < campi.size(); ++i) {
            if (i > 0)
                testo += QLatin1Char(',');
            testo += campoCsv(campi[i]);
        }
        testo += QLatin1String("\r\n");
        file.write(testo.toUtf8());
    }
    bool chiudi(QString* errore)
    {
        if (aperto && file.commit())
            return true;
        if (errore)
            *errore = QStringLiteral("Non si può scrivere il file %1: %2").arg(file.fileName(), file.errorString());
        return false;
    }
    bool aperto = false;

private:
    QSaveFile file;
    QString testo;   // kept, so its buffer is allocated once
};

bool fallita(const QSqlQuery& q, QString* errore)
{
    if (q.isActive())
        return false;
    if (errore)
        *errore = QStringLiteral("Il registro non si può leggere: %1").arg(q.lastError().text());
    return true;
}

} // namespace

namespace {

// A plain decimal number, maybe signed: "-3", "12.5".
bool numero(QStringView testo)
{
    if (testo.startsWith(QLatin1Char('-')) || testo.startsWith(QLatin1Char('+')))
        testo = testo.mid(1);
    const qsizetype punto = testo.indexOf(QLatin1Char('.'));
    if (testo.isEmpty() || punto == 0 || punto == testo.size() - 1)
        return false;
    for (qsizetype i = 0; i < testo.size(); ++i) {
        if ((testo[i] < QLatin1Char('0') || testo[i] > QLatin1Char('9')) && i != punto)
            return false;
    }
    return true;
}

// What a spreadsheet would run as a formula: a name typed as "=1+1" or
// "@SOMMA(...)". A number, or the lone sign of an operation, stays as it is.
bool sembraFormula(const QString& testo)
{
    return !testo.isEmpty() && QStringView(u"=+-@\t\r").contains(testo.front()) && !numero(testo)
           && testo.size() > 1;
}

} // namespace

QString campoCsv(const QString& valore)
{
    // Read as text by every spreadsheet, and shown with the quote that makes it so.
    const QString testo = sembraFormula(valore) ? QLatin1Char('\'') + valore : valore;
    const bool semplice = std::none_of(testo.begin(), testo.end(), [](QChar c) {
        return c == QLatin1Char(',') || c == QLatin1Char('"') || c == QLatin1Char('\n') || c == QLatin1Char('\r');
    });
    if (semplice)
        return testo;
    QString citato = testo;
    citato.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + citato + QLatin1Char('"');
}

bool esportaCsv(const QSqlDatabase& db, AmbitoEsportazione ambito, qint64 id, const QString& fileSerie,
                const QString& fileOperazioni, QString* errore)
{
    const auto prepara = [&](const QString& sql) {
        QSqlQuery q(db);
        q.setForwardOnly(true);
        q.prepare(sql);
        return q;
    };
    const auto interroga = [&](const QString& sql) {
        QSqlQuery q = prepara(sql);
        if (ambito != AmbitoEsportazione::Tutto)
            q.addBindValue(id);
        q.exec();
        return q;
    };

    // The run's own columns, repeated on each of its operations' lines, are read once here.
    struct Serie {
        qint64 id;
        QStringList campi;   // serie, classe, alunno, inizio
    };
    std::vector<Serie> serieLette;

    FileCsv serie(fileSerie);
    serie.riga({QStringLiteral("serie"), QStringLiteral("classe"), QStringLiteral("alunno"), QStringLiteral("inizio"),
                QStringLiteral("fine"), QStringLiteral("tipo_operazione"), QStringLiteral("obiettivo"),
                QStringLiteral("livello"), QStringLiteral("tabelline"), QStringLiteral("esatte"),
                QStringLiteral("errate"), QStringLiteral("secondi"), QStringLiteral("voto"),
                QStringLiteral("giudizio"), QStringLiteral("finita")});
    QSqlQuery q = interroga(QStringLiteral("SELECT s.id, c.nome, a.nome, s.inizio, s.fine, s.tipo_operazione,"
                                           " s.obiettivo, s.livello, s.tabelline, s.esatte, s.errate,"
                                           " s.secondi_totali, s.voto, s.giudizio, s.finita FROM serie s"
                                           " LEFT JOIN alunni a ON a.id = s.alunno LEFT JOIN classi c ON c.id = a.classe")
                            + filtro(ambito) + QStringLiteral(" ORDER BY s.inizio, s.id"));
    if (fallita(q, errore))
        return false;
    while (q.next()) {
        QStringList campi;
        for (int i = 0; i < 14; ++i)
            campi.append(q.value(i).toString());
        campi.append(q.value(14).toInt() ? QStringLiteral("sì") : QStringLiteral("no"));
        serie.riga(campi);
        serieLette.push_back({q.value(0).toLongLong(), campi.mid(0, 4)});
    }
    if (!serie.chiudi(errore))
        return false;

    FileCsv operazioni(fileOperazioni);
    operazioni.riga({QStringLiteral("serie"), QStringLiteral("classe"), QStringLiteral("alunno"),
                     QStringLiteral("inizio_serie"), QStringLiteral("posizione"), QStringLiteral("forma"),
                     QStringLiteral("operazione"), QStringLiteral("operando1"), QStringLiteral("operatore"),
                     QStringLiteral("operando2"), QStringLiteral("risultato"), QStringLiteral("risposta_esatta"),
                     QStringLiteral("risposte"), QStringLiteral("errori"), QStringLiteral("rifiuti"),
                     QStringLiteral("aiuto"), QStringLiteral("secondi"), QStringLiteral("riga")});
    // Run by run, each read along its own key: sorting a year's operations
    // and attempts in one query took most of an export's time.
    q = prepara(QStringLiteral("SELECT posizione, forma, testo, operando1, operatore, operando2, risultato,"
                                " risposta_esatta, rifiuti, aiuto, secondi, riga_log FROM operazioni"
                                " WHERE serie = ? ORDER BY posizione"));
    QSqlQuery t = prepara(
        QStringLiteral("SELECT posizione, risposta, esatta FROM tentativi WHERE serie = ? ORDER BY posizione, numero"));
    for (const Serie& lette : serieLette) {
        q.bindValue(0, lette.id);
        t.bindValue(0, lette.id);
        if (!q.exec() || !t.exec()) {
            fallita(q.isActive() ? t : q, errore);
            return false;
        }
        bool altroTentativo = t.next();
        while (q.next()) {
            const int posizione = q.value(0).toInt();
            QStringList risposte;
            int errori = 0;
            for (; altroTentativo && t.value(0).toInt() <= posizione; altroTentativo = t.next()) {
                if (t.value(0).toInt() == posizione) {
                    risposte.append(t.value(1).toString());
                    errori += t.value(2).toInt() == 0;
                }
            }
            QStringList campi = lette.campi;
            for (int i = 0; i < 8; ++i)
                campi.append(q.value(i).toString());
            campi << risposte.join(QLatin1Char(' ')) << QString::number(errori) << q.value(8).toString()
                  << testoAiuto(q.value(9).toInt()) << q.value(10).toString() << q.value(11).toString();
            operazioni.riga(campi);
        }
    }
    return operazioni.chiudi(errore);
}

} // namespace ope::registro

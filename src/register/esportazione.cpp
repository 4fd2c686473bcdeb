// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/esportazione.h"

#include <QSaveFile>
#include <QSqlError>
#include <QSqlQuery>

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

const QString daSerie = QStringLiteral(" FROM serie s LEFT JOIN alunni a ON a.id = s.alunno"
                                       " LEFT JOIN classi c ON c.id = a.classe");

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
        QStringList citati;
        for (const QString& c : campi)
            citati.append(campoCsv(c));
        const QString testo = citati.join(QLatin1Char(',')) + QLatin1String("\r\n");
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

QString campoCsv(const QString& testo)
{
    if (!testo.contains(QLatin1Char(',')) && !testo.contains(QLatin1Char('"')) && !testo.contains(QLatin1Char('\n'))
        && !testo.contains(QLatin1Char('\r')))
        return testo;
    QString citato = testo;
    citato.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + citato + QLatin1Char('"');
}

bool esportaCsv(const QSqlDatabase& db, AmbitoEsportazione ambito, qint64 id, const QString& fileSerie,
                const QString& fileOperazioni, QString* errore)
{
    const auto interroga = [&](const QString& sql) {
        QSqlQuery q(db);
        q.setForwardOnly(true);
        q.prepare(sql);
        if (ambito != AmbitoEsportazione::Tutto)
            q.addBindValue(id);
        q.exec();
        return q;
    };

    FileCsv serie(fileSerie);
    serie.riga({QStringLiteral("serie"), QStringLiteral("classe"), QStringLiteral("alunno"), QStringLiteral("inizio"),
                QStringLiteral("fine"), QStringLiteral("tipo_operazione"), QStringLiteral("obiettivo"),
                QStringLiteral("livello"), QStringLiteral("tabelline"), QStringLiteral("esatte"),
                QStringLiteral("errate"), QStringLiteral("secondi"), QStringLiteral("voto"),
                QStringLiteral("giudizio"), QStringLiteral("finita")});
    QSqlQuery q = interroga(QStringLiteral("SELECT s.id, c.nome, a.nome, s.inizio, s.fine, s.tipo_operazione,"
                                           " s.obiettivo, s.livello, s.tabelline, s.esatte, s.errate,"
                                           " s.secondi_totali, s.voto, s.giudizio, s.finita")
                            + daSerie + filtro(ambito) + QStringLiteral(" ORDER BY s.inizio, s.id"));
    if (fallita(q, errore))
        return false;
    while (q.next()) {
        QStringList campi;
        for (int i = 0; i < 14; ++i)
            campi.append(q.value(i).toString());
        campi.append(q.value(14).toInt() ? QStringLiteral("sì") : QStringLiteral("no"));
        serie.riga(campi);
    }
    if (!serie.chiudi(errore))
        return false;

    // One row per attempt, grouped here into one line per operation.
    FileCsv operazioni(fileOperazioni);
    operazioni.riga({QStringLiteral("serie"), QStringLiteral("classe"), QStringLiteral("alunno"),
                     QStringLiteral("inizio_serie"), QStringLiteral("posizione"), QStringLiteral("forma"),
                     QStringLiteral("operazione"), QStringLiteral("operando1"), QStringLiteral("operatore"),
                     QStringLiteral("operando2"), QStringLiteral("risultato"), QStringLiteral("risposta_esatta"),
                     QStringLiteral("risposte"), QStringLiteral("errori"), QStringLiteral("rifiuti"),
                     QStringLiteral("aiuto"), QStringLiteral("secondi"), QStringLiteral("riga")});
    q = interroga(QStringLiteral("SELECT s.id, c.nome, a.nome, s.inizio, o.posizione, o.forma, o.testo, o.operando1,"
                                 " o.operatore, o.operando2, o.risultato, o.risposta_esatta, o.rifiuti, o.aiuto,"
                                 " o.secondi, o.riga_log, t.risposta, t.esatta FROM operazioni o"
                                 " JOIN serie s ON s.id = o.serie LEFT JOIN alunni a ON a.id = s.alunno"
                                 " LEFT JOIN classi c ON c.id = a.classe"
                                 " LEFT JOIN tentativi t ON t.serie = o.serie AND t.posizione = o.posizione")
                  + filtro(ambito) + QStringLiteral(" ORDER BY s.inizio, s.id, o.posizione, t.numero"));
    if (fallita(q, errore))
        return false;
    QStringList campi;
    QStringList risposte;
    int errori = 0;
    qint64 serieCorrente = 0;
    int posizioneCorrente = 0;
    const auto scrivi = [&] {
        if (campi.isEmpty())
            return;
        campi[12] = risposte.join(QLatin1Char(' '));
        campi[13] = QString::number(errori);
        operazioni.riga(campi);
    };
    while (q.next()) {
        const qint64 s = q.value(0).toLongLong();
        const int posizione = q.value(4).toInt();
        if (campi.isEmpty() || s != serieCorrente || posizione != posizioneCorrente) {
            scrivi();
            serieCorrente = s;
            posizioneCorrente = posizione;
            risposte.clear();
            errori = 0;
            campi.clear();
            for (int i = 0; i < 12; ++i)
                campi.append(q.value(i).toString());
            campi << QString() << QString() << q.value(12).toString() << testoAiuto(q.value(13).toInt())
                  << q.value(14).toString() << q.value(15).toString();
        }
        if (!q.value(16).isNull()) {
            risposte.append(q.value(16).toString());
            errori += q.value(17).toInt() == 0;
        }
    }
    scrivi();
    return operazioni.chiudi(errore);
}

} // namespace ope::registro

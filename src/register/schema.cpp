// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/schema.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>

namespace ope::registro {

namespace {

// Each version's statements, oldest first. Types and statements are those
// SQLite and PostgreSQL share; ids are chosen by the program, so no insert
// needs a server's own way of returning a new key.
const QList<QStringList>& passi()
{
    static const QList<QStringList> elenco{
        {
            QStringLiteral("CREATE TABLE versione_schema (versione INTEGER NOT NULL)"),
            QStringLiteral("INSERT INTO versione_schema (versione) VALUES (0)"),
            QStringLiteral("CREATE TABLE classi (id BIGINT PRIMARY KEY, nome TEXT NOT NULL,"
                           " archiviata INTEGER NOT NULL DEFAULT 0)"),
            QStringLiteral("CREATE TABLE alunni (id BIGINT PRIMARY KEY, classe BIGINT NOT NULL REFERENCES classi (id),"
                           " nome TEXT NOT NULL)"),
            QStringLiteral("CREATE INDEX alunni_classe ON alunni (classe)"),
            QStringLiteral("CREATE TABLE serie (id BIGINT PRIMARY KEY, alunno BIGINT REFERENCES alunni (id),"
                           " inizio TEXT NOT NULL, fine TEXT, tipo_operazione INTEGER NOT NULL,"
                           " obiettivo INTEGER NOT NULL, livello INTEGER NOT NULL, tabelline TEXT NOT NULL,"
                           " esatte INTEGER NOT NULL DEFAULT 0, errate INTEGER NOT NULL DEFAULT 0,"
                           " secondi_totali INTEGER NOT NULL DEFAULT 0, voto INTEGER,"
                           " giudizio TEXT NOT NULL DEFAULT '', finita INTEGER NOT NULL DEFAULT 0)"),
            QStringLiteral("CREATE INDEX serie_alunno ON serie (alunno, inizio)"),
            QStringLiteral("CREATE TABLE operazioni (serie BIGINT NOT NULL REFERENCES serie (id),"
                           " posizione INTEGER NOT NULL, forma INTEGER NOT NULL, testo TEXT NOT NULL,"
                           " operando1 INTEGER NOT NULL, operatore TEXT NOT NULL, operando2 INTEGER NOT NULL,"
                           " risultato INTEGER NOT NULL, risposta_esatta TEXT NOT NULL, rifiuti INTEGER NOT NULL,"
                           " aiuto INTEGER NOT NULL, secondi INTEGER NOT NULL, riga_log TEXT NOT NULL,"
                           " PRIMARY KEY (serie, posizione))"),
            QStringLiteral("CREATE TABLE tentativi (serie BIGINT NOT NULL, posizione INTEGER NOT NULL,"
                           " numero INTEGER NOT NULL, risposta TEXT NOT NULL, esatta INTEGER NOT NULL,"
                           " PRIMARY KEY (serie, posizione, numero))"),
        },
        {
            // The keyed answer as a number too, for the view of which facts each pupil gets wrong.
            QStringLiteral("ALTER TABLE tentativi ADD COLUMN risposta_numero INTEGER"),
            QStringLiteral("UPDATE tentativi SET risposta_numero = CAST(risposta AS INTEGER)"
                           " WHERE risposta NOT IN ('', '=', '<', '>')"),
            QStringLiteral("CREATE TABLE impostazioni (chiave TEXT PRIMARY KEY, valore TEXT NOT NULL)"),
        },
    };
    return elenco;
}

bool esegui(QSqlDatabase& db, const QString& sql, QString* errore)
{
    QSqlQuery q(db);
    if (q.exec(sql))
        return true;
    *errore = testoErrore(q.lastError());
    return false;
}

// Which kind of failure an SQLite error is, from its primary result code.
enum class Guasto { Altro, Occupato, SolaLettura, Danneggiato, NonApribile };

Guasto guasto(const QSqlError& e)
{
    switch (e.nativeErrorCode().toInt() & 0xff) {
    case 5:   // SQLITE_BUSY
    case 6:   // SQLITE_LOCKED
        return Guasto::Occupato;
    case 8:   // SQLITE_READONLY
        return Guasto::SolaLettura;
    case 11:  // SQLITE_CORRUPT
    case 26:  // SQLITE_NOTADB
        return Guasto::Danneggiato;
    case 14:  // SQLITE_CANTOPEN
        return Guasto::NonApribile;
    default:
        return Guasto::Altro;
    }
}

} // namespace

int versioneSchema()
{
    return int(passi().size());
}

QStringList passoMigrazione(int da)
{
    return passi().value(da - 1);
}

void lega(QSqlQuery& q, const QVariantList& valori)
{
    for (const QVariant& v : valori) {
        if (v.typeId() == QMetaType::QString && v.toString().isNull())
            q.addBindValue(QStringLiteral(""));
        else
            q.addBindValue(v);
    }
}

QString testoErrore(const QSqlError& e)
{
    switch (guasto(e)) {
    case Guasto::Occupato:
        return QStringLiteral("è occupato da un altro programma");
    case Guasto::SolaLettura:
        return QStringLiteral("si può solo leggere, non scrivere");
    case Guasto::Danneggiato:
        return QStringLiteral("è danneggiato o non è un registro");
    case Guasto::NonApribile:
        return QStringLiteral("non si può aprire");
    case Guasto::Altro:
        break;
    }
    const QString testo = e.databaseText().isEmpty() ? e.text() : e.databaseText();
    return QStringLiteral("non si può usare (%1)").arg(testo);
}

QSqlDatabase apriConnessione(const QString& nome, const QString& percorso, QString* errore)
{
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) {
        *errore = QStringLiteral("non si può aprire: manca il driver SQLite di Qt (libqt6sql6-sqlite)");
        return {};
    }
    const QFileInfo file(percorso);
    if (!QDir().mkpath(file.absolutePath())) {
        *errore = QStringLiteral("non si può creare: la cartella %1 non si può creare").arg(file.absolutePath());
        return {};
    }
    // SQLite opens a file it may not write read-only without a word; said
    // here, plainly, rather than at the first answer.
    if ((file.exists() && !file.isWritable()) || !QFileInfo(file.absolutePath()).isWritable()) {
        *errore = QStringLiteral("si può solo leggere, non scrivere");
        return {};
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nome);
    db.setDatabaseName(percorso);
    // Two programs on one file wait for each other's short writes.
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    bool aperta = db.open();
    QSqlQuery q(db);
    // WAL lets the teacher read while a pupil writes; FULL keeps a committed
    // answer through a power cut, on the writer's thread where no key waits.
    aperta = aperta && q.exec(QStringLiteral("PRAGMA journal_mode=WAL")) && q.next()
             && q.value(0).toString().compare(QStringLiteral("wal"), Qt::CaseInsensitive) == 0;
    // A deleted pupil's rows are overwritten, not only unlinked.
    aperta = aperta && q.exec(QStringLiteral("PRAGMA synchronous=FULL"))
             && q.exec(QStringLiteral("PRAGMA secure_delete=ON"));
    if (!aperta) {
        const QSqlError e = q.lastError().isValid() ? q.lastError() : db.lastError();
        *errore = e.isValid() ? testoErrore(e) : QStringLiteral("non si può usare in modo WAL");
        q = QSqlQuery();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(nome);
        return {};
    }
    return db;
}

void chiudiConnessione(const QString& nome)
{
    {
        QSqlDatabase db = QSqlDatabase::database(nome, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(nome);
}

bool migra(QSqlDatabase& db, QString* errore)
{
    // Two programs may open a new file at once: the loser of the race finds
    // the winner's schema on its next try.
    for (int prova = 0; prova < 3; ++prova) {
        if (prova > 0)
            QThread::msleep(50);
        if (!db.transaction()) {
            *errore = testoErrore(db.lastError());
            continue;
        }
        int versione = 0;
        const QStringList tabelle = db.tables();
        if (tabelle.contains(QStringLiteral("versione_schema"))) {
            QSqlQuery q(db);
            if (!q.exec(QStringLiteral("SELECT versione FROM versione_schema")) || !q.next()) {
                *errore = testoErrore(q.lastError());
                db.rollback();
                continue;
            }
            versione = q.value(0).toInt();
        } else if (!tabelle.isEmpty()) {
            db.rollback();
            *errore = QStringLiteral("non è un registro di questo programma");
            return false;
        }
        if (versione > versioneSchema()) {
            db.rollback();
            *errore = QStringLiteral("è stato scritto da una versione più recente del programma");
            return false;
        }
        if (versione == versioneSchema()) {
            db.commit();
            return true;
        }
        bool ok = true;
        for (int v = versione + 1; ok && v <= versioneSchema(); ++v) {
            for (const QString& sql : passoMigrazione(v))
                ok = ok && esegui(db, sql, errore);
        }
        ok = ok && esegui(db, QStringLiteral("UPDATE versione_schema SET versione = %1").arg(versioneSchema()), errore);
        if (ok && db.commit())
            return true;
        if (ok)
            *errore = testoErrore(db.lastError());
        db.rollback();
    }
    return false;
}

} // namespace ope::registro

// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/registro.h"

#include "register/esportazione.h"
#include "register/pin.h"
#include "register/schema.h"
#include "register/scrittore.h"

#include <QCollator>
#include <QHash>
#include <QLocale>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QThread>
#include <algorithm>
#include <mutex>

namespace ope {

using registro::Istruzione;

namespace {

// Ids are chosen here, not by the file, so the run's writes can be queued
// before the first reaches the disk, and two programs on one file (or a
// server later) never need a key handed back; 53 random bits make a clash
// between them negligible.
qint64 nuovoId()
{
    return qint64(QRandomGenerator::global()->bounded(quint64(1) << 53)) + 1;
}

// Kept with its offset, so a run reads back at the hour the pupil saw.
QString testoData(const QDateTime& t)
{
    return t.toOffsetFromUtc(t.offsetFromUtc()).toString(Qt::ISODate);
}

QDateTime leggiData(const QVariant& v)
{
    return v.isNull() ? QDateTime() : QDateTime::fromString(v.toString(), Qt::ISODate);
}

QVariant facoltativo(const std::optional<qint64>& v)
{
    return v ? QVariant(*v) : QVariant(QMetaType::fromType<qint64>());
}

void ordinaPerNome(QList<AlunnoRegistro>& alunni)
{
    QCollator italiano{QLocale(QLocale::Italian)};
    // A class listed as "Alunno 1" to "Alunno 25", to keep names off the machine, reads in order.
    italiano.setNumericMode(true);
    std::stable_sort(alunni.begin(), alunni.end(),
                     [&](const AlunnoRegistro& a, const AlunnoRegistro& b) { return italiano(a.nome, b.nome); });
}

} // namespace

struct Registro::Dati {
    QString percorso;
    QString nomeLettura;
    std::unique_ptr<registro::Scrittore> scrittore;
    registro::TentativiPin tentativiPin;
    mutable std::optional<bool> apribile;   // known at the teacher's first read

    mutable std::mutex bloccoStato;
    mutable QString statoApertura;
    QString statoScrittura;

    QSqlDatabase db() const { return QSqlDatabase::database(nomeLettura, false); }

    // The teacher's connection, opened once the writer has created or
    // migrated the file; false, and said in stato(), where it cannot be.
    bool aperto() const
    {
        if (apribile)
            return *apribile;
        QString errore;
        QSqlDatabase conn;
        if (scrittore->attendiApertura(&errore))
            conn = registro::apriConnessione(nomeLettura, percorso, &errore);
        apribile = conn.isValid();
        if (!*apribile) {
            std::lock_guard<std::mutex> l(bloccoStato);
            statoApertura = errore;
        }
        return *apribile;
    }

    // A statement on the teacher's connection; an inactive query when the register is closed.
    QSqlQuery esegui(const QString& sql, const QVariantList& valori = {}) const
    {
        if (!aperto())
            return QSqlQuery();
        QSqlQuery q(db());
        q.setForwardOnly(true);
        q.prepare(sql);
        registro::lega(q, valori);
        q.exec();
        return q;
    }

    bool scrivi(const QList<std::pair<QString, QVariantList>>& istruzioni) const
    {
        if (!aperto())
            return false;
        QSqlDatabase conn = db();
        if (!conn.transaction())
            return false;
        for (const auto& [sql, valori] : istruzioni) {
            if (!esegui(sql, valori).isActive()) {
                conn.rollback();
                return false;
            }
        }
        return conn.commit();
    }
};

// Touches no disk: the writer's thread opens the file, and the teacher's
// connection waits for the first read.
Registro::Registro(const QString& percorso)
    : d(std::make_unique<Dati>())
{
    d->percorso = percorso.isEmpty() ? percorsoPredefinito() : percorso;
    d->nomeLettura = QStringLiteral("ope-registro-lettura-%1").arg(quintptr(this));
    d->scrittore = std::make_unique<registro::Scrittore>(d->percorso, [dati = d.get()](const QString& e) {
        std::lock_guard<std::mutex> l(dati->bloccoStato);
        dati->statoScrittura = e;
    });
}

Registro::~Registro()
{
    d->scrittore.reset();
    if (d->apribile.value_or(false))
        registro::chiudiConnessione(d->nomeLettura);
}

QString Registro::percorsoPredefinito()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/registro.sqlite");
}

bool Registro::utilizzabile() const
{
    return d->aperto();
}

QString Registro::stato() const
{
    d->aperto();
    std::lock_guard<std::mutex> l(d->bloccoStato);
    if (!d->statoApertura.isEmpty())
        return QStringLiteral("Il registro %1: le serie non vengono registrate.\nFile: %2")
            .arg(d->statoApertura, d->percorso);
    if (!d->statoScrittura.isEmpty())
        return QStringLiteral("Il registro %1: alcune risposte non sono state registrate.\nFile: %2")
            .arg(d->statoScrittura, d->percorso);
    return {};
}

QString Registro::percorso() const
{
    return d->percorso;
}

IdSerie Registro::iniziaSerie(const InizioSerie& inizio)
{
    const IdSerie id = nuovoId();
    d->scrittore->accoda({{QStringLiteral("INSERT INTO serie (id, alunno, inizio, tipo_operazione, obiettivo,"
                                          " livello, tabelline) VALUES (?, ?, ?, ?, ?, ?, ?)"),
                           {id, facoltativo(inizio.alunno), testoData(inizio.inizio), inizio.tipoOperazione,
                            inizio.obiettivo, inizio.livello, inizio.tabelline}}});
    return id;
}

void Registro::registraOperazione(IdSerie serie, const OperazioneRegistrata& op)
{
    std::vector<Istruzione> istruzioni;
    istruzioni.push_back(
        {QStringLiteral("INSERT INTO operazioni (serie, posizione, forma, testo, operando1, operatore, operando2,"
                        " risultato, risposta_esatta, rifiuti, aiuto, secondi, riga_log)"
                        " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
         {serie, op.posizione, op.forma, op.operazione, op.operando1, op.operatore, op.operando2, op.risultato,
          op.rispostaEsatta, op.rifiuti, int(op.aiuto), op.secondi, op.rigaLog}});
    int esatte = 0;
    int numero = 0;
    for (const Tentativo& t : op.tentativi) {
        bool numerica = false;
        const int valore = t.risposta.trimmed().toInt(&numerica);
        istruzioni.push_back({QStringLiteral("INSERT INTO tentativi (serie, posizione, numero, risposta,"
                                             " risposta_numero, esatta) VALUES (?, ?, ?, ?, ?, ?)"),
                              {serie, op.posizione, ++numero, t.risposta,
                               numerica ? QVariant(valore) : QVariant(QMetaType::fromType<int>()),
                               int(t.esito == Esito::Esatta)}});
        esatte += t.esito == Esito::Esatta;
    }
    // The run's counts grow with each operation, so a run never closed still reads right.
    istruzioni.push_back({QStringLiteral("UPDATE serie SET esatte = esatte + ?, errate = errate + ?,"
                                         " secondi_totali = secondi_totali + ? WHERE id = ?"),
                          {esatte, int(op.tentativi.size()) - esatte, op.secondi, serie}});
    d->scrittore->accoda(std::move(istruzioni));
}

void Registro::chiudiSerie(IdSerie serie, const ChiusuraSerie& fine)
{
    d->scrittore->accoda({{QStringLiteral("UPDATE serie SET fine = ?, esatte = ?, errate = ?, secondi_totali = ?,"
                                          " voto = ?, giudizio = ?, finita = ? WHERE id = ?"),
                           {testoData(fine.fine), fine.esatte, fine.errate, fine.secondiTotali,
                            fine.voto ? QVariant(*fine.voto) : QVariant(QMetaType::fromType<int>()), fine.giudizio,
                            int(fine.finita), serie}}});
}

void Registro::attendiScritture()
{
    d->scrittore->attendi();
}

// --- Classes and pupils: the teacher's own edits, written at once.

QList<ClasseRegistro> Registro::classi(bool ancheArchiviate) const
{
    QList<ClasseRegistro> elenco;
    QSqlQuery q = d->esegui(QStringLiteral("SELECT id, nome, archiviata FROM classi ORDER BY nome, id"));
    while (q.next()) {
        const ClasseRegistro c{q.value(0).toLongLong(), q.value(1).toString(), q.value(2).toInt() != 0};
        if (ancheArchiviate || !c.archiviata)
            elenco.append(c);
    }
    return elenco;
}

QList<AlunnoRegistro> Registro::alunni(IdClasse classe) const
{
    QList<AlunnoRegistro> elenco;
    QSqlQuery q = d->esegui(QStringLiteral("SELECT id, classe, nome FROM alunni WHERE classe = ?"), {classe});
    while (q.next())
        elenco.append({q.value(0).toLongLong(), q.value(1).toLongLong(), q.value(2).toString()});
    ordinaPerNome(elenco);
    return elenco;
}

std::optional<IdClasse> Registro::aggiungiClasse(const QString& nome)
{
    const QString pulito = nome.trimmed();
    if (pulito.isEmpty())
        return std::nullopt;
    const IdClasse id = nuovoId();
    if (!d->scrivi({{QStringLiteral("INSERT INTO classi (id, nome, archiviata) VALUES (?, ?, 0)"), {id, pulito}}}))
        return std::nullopt;
    return id;
}

bool Registro::rinominaClasse(IdClasse classe, const QString& nome)
{
    const QString pulito = nome.trimmed();
    return !pulito.isEmpty()
           && d->esegui(QStringLiteral("UPDATE classi SET nome = ? WHERE id = ?"), {pulito, classe}).numRowsAffected()
                  == 1;
}

bool Registro::archiviaClasse(IdClasse classe, bool archiviata)
{
    return d->esegui(QStringLiteral("UPDATE classi SET archiviata = ? WHERE id = ?"), {int(archiviata), classe})
               .numRowsAffected()
           == 1;
}

std::optional<IdAlunno> Registro::aggiungiAlunno(IdClasse classe, const QString& nome)
{
    const QString pulito = nome.trimmed();
    if (pulito.isEmpty())
        return std::nullopt;
    // Two equal names in one class would be two equal buttons in "Chi sei?".
    for (const AlunnoRegistro& a : alunni(classe)) {
        if (a.nome == pulito)
            return std::nullopt;
    }
    const IdAlunno id = nuovoId();
    if (!d->scrivi({{QStringLiteral("INSERT INTO alunni (id, classe, nome)"
                                    " SELECT ?, id, ? FROM classi WHERE id = ?"),
                     {id, pulito, classe}}}))
        return std::nullopt;
    return d->esegui(QStringLiteral("SELECT id FROM alunni WHERE id = ?"), {id}).next() ? std::optional(id)
                                                                                      : std::nullopt;
}

int Registro::incollaAlunni(IdClasse classe, const QString& elenco)
{
    QStringList presenti;
    for (const AlunnoRegistro& a : alunni(classe))
        presenti.append(a.nome);
    QList<std::pair<QString, QVariantList>> istruzioni;
    for (const QString& riga : elenco.split(QLatin1Char('\n'))) {
        const QString nome = riga.trimmed();
        if (nome.isEmpty() || presenti.contains(nome))
            continue;
        presenti.append(nome);
        istruzioni.append({QStringLiteral("INSERT INTO alunni (id, classe, nome) SELECT ?, id, ? FROM classi"
                                          " WHERE id = ?"),
                           {nuovoId(), nome, classe}});
    }
    if (istruzioni.isEmpty() || !d->esegui(QStringLiteral("SELECT id FROM classi WHERE id = ?"), {classe}).next())
        return 0;
    return d->scrivi(istruzioni) ? int(istruzioni.size()) : 0;
}

bool Registro::rinominaAlunno(IdAlunno alunno, const QString& nome)
{
    const QString pulito = nome.trimmed();
    return !pulito.isEmpty()
           && d->esegui(QStringLiteral("UPDATE alunni SET nome = ? WHERE id = ?"), {pulito, alunno}).numRowsAffected()
                  == 1;
}

bool Registro::spostaAlunno(IdAlunno alunno, IdClasse classe)
{
    return d->esegui(QStringLiteral("UPDATE alunni SET classe = ? WHERE id = ? AND EXISTS"
                                    " (SELECT 1 FROM classi WHERE id = ?)"),
                     {classe, alunno, classe})
               .numRowsAffected()
           == 1;
}

bool Registro::eliminaAlunno(IdAlunno alunno)
{
    // The pupil's runs still queued land first, so none is written after the deletion.
    attendiScritture();
    const QString suoSerie = QStringLiteral(" WHERE serie IN (SELECT id FROM serie WHERE alunno = ?)");
    if (!d->esegui(QStringLiteral("SELECT id FROM alunni WHERE id = ?"), {alunno}).next()
        || !d->scrivi({{QStringLiteral("DELETE FROM tentativi") + suoSerie, {alunno}},
                       {QStringLiteral("DELETE FROM operazioni") + suoSerie, {alunno}},
                       {QStringLiteral("DELETE FROM serie WHERE alunno = ?"), {alunno}},
                       {QStringLiteral("DELETE FROM alunni WHERE id = ?"), {alunno}}}))
        return false;
    // The deleted rows' older copies live on in the journal until it is
    // copied back and emptied; another program reading may hold it a moment.
    for (int prova = 0; prova < 40; ++prova) {
        QSqlQuery q = d->esegui(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
        if (q.next() && q.value(0).toInt() == 0)
            break;
        QThread::msleep(50);
    }
    return true;
}

// --- The teacher's reads.

GrigliaClasse Registro::griglia(IdClasse classe, int giorni) const
{
    GrigliaClasse g;
    QSqlQuery q = d->esegui(QStringLiteral("SELECT DISTINCT SUBSTR(s.inizio, 1, 10) AS giorno FROM serie s"
                                           " JOIN alunni a ON a.id = s.alunno WHERE a.classe = ?"
                                           " ORDER BY giorno DESC LIMIT ?"),
                            {classe, giorni});
    while (q.next())
        g.giorni.prepend(QDate::fromString(q.value(0).toString(), Qt::ISODate));
    QHash<IdAlunno, int> riga;
    for (const AlunnoRegistro& a : alunni(classe)) {
        riga.insert(a.id, int(g.righe.size()));
        g.righe.append({a, QList<CellaGriglia>(g.giorni.size())});
    }
    if (g.giorni.isEmpty())
        return g;
    q = d->esegui(QStringLiteral("SELECT s.alunno, SUBSTR(s.inizio, 1, 10), COUNT(*), SUM(s.esatte),"
                                 " SUM(s.esatte + s.errate) FROM serie s JOIN alunni a ON a.id = s.alunno"
                                 " WHERE a.classe = ? AND s.inizio >= ? GROUP BY s.alunno, SUBSTR(s.inizio, 1, 10)"),
                  {classe, g.giorni.first().toString(Qt::ISODate)});
    while (q.next()) {
        const int r = riga.value(q.value(0).toLongLong(), -1);
        const int colonna = int(g.giorni.indexOf(QDate::fromString(q.value(1).toString(), Qt::ISODate)));
        if (r >= 0 && colonna >= 0)
            g.righe[r].giorni[colonna] = {q.value(2).toInt(), q.value(3).toInt(), q.value(4).toInt()};
    }
    return g;
}

QList<SerieRegistrata> Registro::storia(IdAlunno alunno) const
{
    QList<SerieRegistrata> elenco;
    QSqlQuery q = d->esegui(QStringLiteral("SELECT id, alunno, inizio, fine, tipo_operazione, obiettivo, livello,"
                                           " esatte, errate, secondi_totali, voto, giudizio, finita FROM serie"
                                           " WHERE alunno = ? ORDER BY inizio, id"),
                            {alunno});
    while (q.next()) {
        SerieRegistrata s;
        s.id = q.value(0).toLongLong();
        s.alunno = q.value(1).toLongLong();
        s.inizio = leggiData(q.value(2));
        s.fine = leggiData(q.value(3));
        s.tipoOperazione = q.value(4).toInt();
        s.obiettivo = q.value(5).toInt();
        s.livello = q.value(6).toInt();
        s.esatte = q.value(7).toInt();
        s.errate = q.value(8).toInt();
        s.secondiTotali = q.value(9).toInt();
        if (!q.value(10).isNull())
            s.voto = q.value(10).toInt();
        s.giudizio = q.value(11).toString();
        s.finita = q.value(12).toInt() != 0;
        elenco.append(s);
    }
    return elenco;
}

QStringList Registro::righeSerie(IdSerie serie) const
{
    QStringList righe;
    QSqlQuery q = d->esegui(QStringLiteral("SELECT riga_log FROM operazioni WHERE serie = ? ORDER BY posizione"),
                            {serie});
    while (q.next())
        righe.append(q.value(0).toString());
    return righe;
}

QList<PuntoAndamento> Registro::andamento(IdAlunno alunno) const
{
    QList<PuntoAndamento> punti;
    QHash<IdSerie, QList<int>> secondi;
    QSqlQuery q = d->esegui(QStringLiteral("SELECT o.serie, o.secondi FROM operazioni o JOIN serie s"
                                           " ON s.id = o.serie WHERE s.alunno = ?"),
                            {alunno});
    while (q.next())
        secondi[q.value(0).toLongLong()].append(q.value(1).toInt());
    for (const SerieRegistrata& s : storia(alunno)) {
        QList<int> tempi = secondi.value(s.id);
        if (tempi.isEmpty())
            continue;
        std::sort(tempi.begin(), tempi.end());
        const qsizetype n = tempi.size();
        const double mediano = n % 2 ? tempi[n / 2] : (tempi[n / 2 - 1] + tempi[n / 2]) / 2.0;
        const int risposte = s.esatte + s.errate;
        punti.append({s.inizio, risposte ? double(s.esatte) / risposte : 0.0, mediano});
    }
    return punti;
}

bool Registro::esporta(AmbitoEsportazione ambito, qint64 id, const QString& fileSerie, const QString& fileOperazioni,
                       QString* errore) const
{
    if (!d->aperto()) {
        if (errore)
            *errore = stato();
        return false;
    }
    return registro::esportaCsv(d->db(), ambito, id, fileSerie, fileOperazioni, errore);
}

// --- The teacher's PIN.

bool Registro::pinImpostato() const
{
    return d->esegui(QStringLiteral("SELECT valore FROM impostazioni WHERE chiave = 'pin'")).next();
}

bool Registro::impostaPin(const QString& pin)
{
    QList<std::pair<QString, QVariantList>> istruzioni{
        {QStringLiteral("DELETE FROM impostazioni WHERE chiave = 'pin'"), {}}};
    if (!pin.isEmpty())
        istruzioni.append(
            {QStringLiteral("INSERT INTO impostazioni (chiave, valore) VALUES ('pin', ?)"), {registro::impronta(pin)}});
    return d->scrivi(istruzioni);
}

bool Registro::verificaPin(const QString& pin) const
{
    QSqlQuery q = d->esegui(QStringLiteral("SELECT valore FROM impostazioni WHERE chiave = 'pin'"));
    return q.next() && registro::corrisponde(pin, q.value(0).toString());
}

registro::TentativiPin& Registro::tentativiPin()
{
    return d->tentativiPin;
}

} // namespace ope

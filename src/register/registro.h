// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

namespace ope {

namespace registro {
class TentativiPin;
}

// The class register: every pupil's runs and answers, kept in one SQLite file
// (a PostgreSQL server later, through the same SQL). The windows and the run
// reach it only through this class. Writes are queued to a thread of their own
// and committed within half a second; no call here waits for the disk except
// the teacher's reads and exports. A register that cannot be opened or written
// never stops a run: every write is then dropped and `stato()` says why.

using IdClasse = qint64;
using IdAlunno = qint64;
using IdSerie = qint64;

struct ClasseRegistro {
    IdClasse id = 0;
    QString nome;            // "2ª B", as the teacher typed it
    bool archiviata = false;
};

struct AlunnoRegistro {
    IdAlunno id = 0;
    IdClasse classe = 0;
    QString nome;
};

// A run as it starts: who, when, what was chosen.
struct InizioSerie {
    std::optional<IdAlunno> alunno;   // none: an anonymous run
    QDateTime inizio;                 // with its time zone
    int tipoOperazione = 2;           // 1..7, as in the settings file
    int obiettivo = 1;                // 1..6
    int livello = 1;                  // 1..4
    QString tabelline;                // "7,8" where tables were chosen, else empty
};

enum class Esito { Esatta, Errata };
enum class Aiuto { Nessuno, Rifiutato, Accettato, Imposto };

struct Tentativo {
    QString risposta;   // as keyed: "7", "<"
    Esito esito = Esito::Errata;
};

// One operation once it is closed (answered right, or shown by help).
struct OperazioneRegistrata {
    int posizione = 0;        // 1..20
    int forma = 0;            // presentation form 1..12
    QString operazione;       // as shown, with its unknown: "16 - 9 = ?"
    int operando1 = 0, operando2 = 0, risultato = 0;   // the operation's numbers
    QString operatore;        // "+", "-", "x", ":"
    QString rispostaEsatta;   // trimmed: "7", "<"
    QList<Tentativo> tentativi;
    int rifiuti = 0;          // help refused
    Aiuto aiuto = Aiuto::Nessuno;
    int secondi = 0;
    QString rigaLog;          // exactly as the printout shows it
};

struct ChiusuraSerie {
    QDateTime fine;
    int esatte = 0;
    int errate = 0;
    int secondiTotali = 0;
    std::optional<int> voto;  // where the run had 10 operations or more
    QString giudizio;
    bool finita = false;      // all 20 done, or left midway
};

// What the teacher's window reads.
struct SerieRegistrata {
    IdSerie id = 0;
    std::optional<IdAlunno> alunno;
    QDateTime inizio, fine;
    int tipoOperazione = 0, obiettivo = 0, livello = 0;
    int esatte = 0, errate = 0, secondiTotali = 0;
    std::optional<int> voto;
    QString giudizio;
    bool finita = false;
};

struct CellaGriglia {   // one pupil on one school day
    int serie = 0;
    int esatte = 0;
    int risposte = 0;   // right + wrong
};

struct RigaGriglia {
    AlunnoRegistro alunno;
    QList<CellaGriglia> giorni;   // one per day of GrigliaClasse::giorni
};

struct GrigliaClasse {
    QList<QDate> giorni;   // the last school days with any run, oldest first
    QList<RigaGriglia> righe;
};

struct PuntoAndamento {   // one run, for the chart
    QDateTime quando;
    double quotaEsatte = 0;      // 0..1
    double secondiMediani = 0;   // per operation
};

enum class AmbitoEsportazione { Alunno, Classe, Tutto };

class Registro {
public:
    // Creates or migrates the file on the writer's thread, so no caller waits
    // for it but the teacher's first read; never throws. An empty path:
    // percorsoPredefinito(). The program takes the path from Ambiente, where
    // the preferences may set another.
    explicit Registro(const QString& percorso);
    static QString percorsoPredefinito();   // in the user's data folder
    ~Registro();   // waits only for writes already queued, at most a moment
    Registro(const Registro&) = delete;
    Registro& operator=(const Registro&) = delete;

    bool utilizzabile() const;
    QString stato() const;     // empty when all is well; else what is wrong, in Italian
    QString percorso() const;

    // The run, as it happens (queued; returns at once).
    IdSerie iniziaSerie(const InizioSerie& inizio);
    void registraOperazione(IdSerie serie, const OperazioneRegistrata& operazione);
    void chiudiSerie(IdSerie serie, const ChiusuraSerie& fine);
    void attendiScritture();   // for tests and for closing: every queued write done

    // Classes and pupils.
    QList<ClasseRegistro> classi(bool ancheArchiviate = false) const;
    QList<AlunnoRegistro> alunni(IdClasse classe) const;
    std::optional<IdClasse> aggiungiClasse(const QString& nome);
    bool rinominaClasse(IdClasse classe, const QString& nome);
    bool archiviaClasse(IdClasse classe, bool archiviata = true);
    std::optional<IdAlunno> aggiungiAlunno(IdClasse classe, const QString& nome);
    int incollaAlunni(IdClasse classe, const QString& elenco);   // one name a line; returns how many added
    bool rinominaAlunno(IdAlunno alunno, const QString& nome);
    bool spostaAlunno(IdAlunno alunno, IdClasse classe);
    bool eliminaAlunno(IdAlunno alunno);   // every trace of the pupil, gone from the file

    // The teacher's reads.
    GrigliaClasse griglia(IdClasse classe, int giorni = 10) const;
    QList<SerieRegistrata> storia(IdAlunno alunno) const;
    QStringList righeSerie(IdSerie serie) const;   // the log lines, as the printout shows them
    QList<PuntoAndamento> andamento(IdAlunno alunno) const;
    bool esporta(AmbitoEsportazione ambito, qint64 id, const QString& fileSerie,
                 const QString& fileOperazioni, QString* errore = nullptr) const;

    // The teacher's PIN: a salted key derivation, never the PIN itself.
    bool pinImpostato() const;
    bool impostaPin(const QString& pin);   // an empty PIN removes it
    bool verificaPin(const QString& pin) const;
    // The wrong PINs tried since the program started, and the wait they impose.
    registro::TentativiPin& tentativiPin();

private:
    struct Dati;
    std::unique_ptr<Dati> d;
};

} // namespace ope

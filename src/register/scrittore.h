// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QVariantList>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace ope::registro {

struct Istruzione {
    QString sql;
    QVariantList valori;   // bound to the placeholders in order
};

// The thread that writes the run: its own connection, every batch queued
// while the last was written committed at once as one transaction, so an
// answer reaches the file within moments and no caller waits for the disk.
// It also creates or migrates the file, first thing, so not even the first
// run on a machine waits for that.
class Scrittore {
public:
    // `guasto` is called on the writer's thread with what went wrong.
    Scrittore(const QString& percorso, std::function<void(const QString&)> guasto);
    ~Scrittore();   // writes what is queued, then stops
    Scrittore(const Scrittore&) = delete;
    Scrittore& operator=(const Scrittore&) = delete;

    // Until the file is open and at this build's schema: false, with
    // `errore` in Italian, where it cannot be; what is queued is then dropped.
    bool attendiApertura(QString* errore);
    void accoda(std::vector<Istruzione> istruzioni);
    void attendi();   // until everything queued so far is written or dropped

private:
    QString nomeConnessione() const;
    void esegui();
    bool apri(QSqlDatabase& db);
    void scrivi(QSqlDatabase& db, std::vector<Istruzione>& lotto);

    QString percorso;
    std::function<void(const QString&)> guasto;
    std::mutex blocco;
    std::condition_variable arrivo, fatto;
    std::vector<Istruzione> coda;
    bool fermo = false;
    bool aperto = false, apertura = false;   // the file is usable; the attempt is over
    QString erroreApertura;
    quint64 accodate = 0, concluse = 0;
    std::thread filo;
};

} // namespace ope::registro

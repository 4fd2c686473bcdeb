// SPDX-License-Identifier: GPL-3.0-or-later
#include "register/scrittore.h"

#include "register/schema.h"

#include <QHash>
#include <QSqlQuery>

namespace ope::registro {

Scrittore::Scrittore(const QString& file, std::function<void(const QString&)> segnala)
    : percorso(file), guasto(std::move(segnala)), filo([this] { esegui(); })
{
}

Scrittore::~Scrittore()
{
    {
        std::lock_guard<std::mutex> l(blocco);
        fermo = true;
    }
    arrivo.notify_all();
    filo.join();
}

void Scrittore::accoda(std::vector<Istruzione> istruzioni)
{
    {
        std::lock_guard<std::mutex> l(blocco);
        accodate += istruzioni.size();
        for (Istruzione& i : istruzioni)
            coda.push_back(std::move(i));
    }
    arrivo.notify_one();
}

void Scrittore::attendi()
{
    std::unique_lock<std::mutex> l(blocco);
    const quint64 obiettivo = accodate;
    fatto.wait(l, [&] { return apertura && concluse >= obiettivo; });
}

bool Scrittore::attendiApertura(QString* errore)
{
    std::unique_lock<std::mutex> l(blocco);
    fatto.wait(l, [&] { return apertura; });
    if (errore)
        *errore = erroreApertura;
    return aperto;
}

QString Scrittore::nomeConnessione() const
{
    return QStringLiteral("ope-registro-scrittura-%1").arg(quintptr(this));
}

bool Scrittore::apri(QSqlDatabase& db)
{
    QString errore;
    db = apriConnessione(nomeConnessione(), percorso, &errore);
    const bool riuscita = db.isValid() && migra(db, &errore);
    {
        std::lock_guard<std::mutex> l(blocco);
        aperto = riuscita;
        apertura = true;
        erroreApertura = errore;
    }
    fatto.notify_all();
    return riuscita;
}

void Scrittore::esegui()
{
    {
        QSqlDatabase db;
        const bool aperta = apri(db);
        for (;;) {
            std::vector<Istruzione> lotto;
            {
                std::unique_lock<std::mutex> l(blocco);
                arrivo.wait(l, [&] { return fermo || !coda.empty(); });
                if (coda.empty())
                    break;
                lotto.swap(coda);
            }
            // Where the file cannot be used, the run goes on and its writes are dropped.
            if (aperta)
                scrivi(db, lotto);
            {
                std::lock_guard<std::mutex> l(blocco);
                concluse += lotto.size();
            }
            fatto.notify_all();
        }
    }
    chiudiConnessione(nomeConnessione());
}

void Scrittore::scrivi(QSqlDatabase& db, std::vector<Istruzione>& lotto)
{
    QString errore;
    if (!db.transaction()) {
        guasto(testoErrore(db.lastError()));
        return;
    }
    for (const Istruzione& i : lotto) {
        QSqlQuery q(db);
        q.prepare(i.sql);
        lega(q, i.valori);
        // One failed statement loses its own row, never the batch's others.
        if (!q.exec() && errore.isEmpty())
            errore = testoErrore(q.lastError());
    }
    if (!db.commit()) {
        errore = testoErrore(db.lastError());
        db.rollback();
    }
    if (!errore.isEmpty())
        guasto(errore);
}

} // namespace ope::registro

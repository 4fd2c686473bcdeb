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
    fatto.wait(l, [&] { return concluse >= obiettivo; });
}

void Scrittore::esegui()
{
    for (;;) {
        std::vector<Istruzione> lotto;
        {
            std::unique_lock<std::mutex> l(blocco);
            arrivo.wait(l, [&] { return fermo || !coda.empty(); });
            if (coda.empty())
                break;
            lotto.swap(coda);
        }
        scrivi(lotto);
        {
            std::lock_guard<std::mutex> l(blocco);
            concluse += lotto.size();
        }
        fatto.notify_all();
    }
    chiudiConnessione(QStringLiteral("ope-registro-scrittura-%1").arg(quintptr(this)));
}

void Scrittore::scrivi(std::vector<Istruzione>& lotto)
{
    const QString nome = QStringLiteral("ope-registro-scrittura-%1").arg(quintptr(this));
    QSqlDatabase db = QSqlDatabase::database(nome, false);
    QString errore;
    if (!db.isValid())
        db = apriConnessione(nome, percorso, &errore);
    if (!db.isValid()) {
        guasto(errore);
        return;
    }
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

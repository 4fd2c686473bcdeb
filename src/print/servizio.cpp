// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/servizio.h"

#include <cups/cups.h>

#include <QByteArray>
#include <algorithm>
#include <memory>

namespace ope::servizio {

namespace {

// A printer's instance ("aula/fronte-retro") is its queue's options, not a queue of its own.
QByteArray coda(const QString& stampante)
{
    return stampante.section(QLatin1Char('/'), 0, 0).toUtf8();
}

struct LiberaIpp {
    void operator()(ipp_t* i) const { ippDelete(i); }
};
using Risposta = std::unique_ptr<ipp_t, LiberaIpp>;

Risposta attributiStampante(const QString& stampante)
{
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(), "/printers/%s",
                     coda(stampante).constData());
    ipp_t* richiesta = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(richiesta, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    static const char* const voci[] = {"printer-state", "printer-is-accepting-jobs"};
    ippAddStrings(richiesta, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 2, nullptr, voci);
    return Risposta(cupsDoRequest(CUPS_HTTP_DEFAULT, richiesta, "/"));
}

} // namespace

bool risponde()
{
    http_t* h = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, 3000, nullptr);
    if (!h)
        return false;
    httpClose(h);
    return true;
}

Stato stato(const QString& stampante)
{
    const Risposta r = attributiStampante(stampante);
    if (!r)
        return Stato::servizioAssente;
    if (cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE)
        return Stato::nonTrovata;
    ipp_attribute_t* accetta = ippFindAttribute(r.get(), "printer-is-accepting-jobs", IPP_TAG_BOOLEAN);
    if (accetta && !ippGetBoolean(accetta, 0))
        return Stato::nonAccetta;
    ipp_attribute_t* s = ippFindAttribute(r.get(), "printer-state", IPP_TAG_ENUM);
    if (s && ippGetInteger(s, 0) == IPP_PSTATE_STOPPED)
        return Stato::inPausa;
    return Stato::pronta;
}

int ultimoLavoro(const QString& stampante)
{
    cups_job_t* lavori = nullptr;
    const int n = cupsGetJobs2(CUPS_HTTP_DEFAULT, &lavori, coda(stampante).constData(), 1, CUPS_WHICHJOBS_ALL);
    if (n < 0)
        return -1;
    int ultimo = 0;
    for (int i = 0; i < n; ++i)
        ultimo = std::max(ultimo, lavori[i].id);
    cupsFreeJobs(n, lavori);
    return ultimo;
}

bool lavoroAccolto(const QString& stampante, int dopo, const QString& titolo)
{
    cups_job_t* lavori = nullptr;
    const int n = cupsGetJobs2(CUPS_HTTP_DEFAULT, &lavori, coda(stampante).constData(), 1, CUPS_WHICHJOBS_ALL);
    // Compared as Qt sent it: in the locale's encoding.
    const QByteArray nome = titolo.toLocal8Bit();
    bool accolto = false;
    for (int i = 0; i < n && !accolto; ++i) {
        const cups_job_t& j = lavori[i];
        accolto = j.id > dopo && j.title && nome == j.title && j.state != IPP_JSTATE_ABORTED
                  && j.state != IPP_JSTATE_CANCELED;
    }
    if (n > 0)
        cupsFreeJobs(n, lavori);
    return accolto;
}

} // namespace ope::servizio

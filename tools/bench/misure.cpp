// SPDX-License-Identifier: GPL-3.0-or-later
#include "misure.h"

#include <QFile>
#include <algorithm>
#include <chrono>

namespace ope::bench {

double microsecondi(const std::function<void()>& passo)
{
    const auto inizio = std::chrono::steady_clock::now();
    passo();
    const auto fine = std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::micro>(fine - inizio).count();
}

double mediana(std::vector<double> campioni)
{
    if (campioni.empty())
        return 0;
    std::sort(campioni.begin(), campioni.end());
    const std::size_t n = campioni.size();
    return n % 2 ? campioni[n / 2] : (campioni[n / 2 - 1] + campioni[n / 2]) / 2;
}

double peggiore(const std::vector<double>& campioni)
{
    return campioni.empty() ? 0 : *std::max_element(campioni.begin(), campioni.end());
}

long piccoMemoriaKiB()
{
    QFile stato(QStringLiteral("/proc/self/status"));
    if (!stato.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& riga : stato.readAll().split('\n')) {
        if (riga.startsWith("VmHWM:"))
            return riga.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

} // namespace ope::bench

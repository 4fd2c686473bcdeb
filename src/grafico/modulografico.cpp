// SPDX-License-Identifier: GPL-3.0-or-later
#include "grafico/modulografico.h"

#include <QChart>
#include <QChartView>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QValueAxis>

namespace ope {

namespace {

class GraficoCharts : public ModuloGrafico {
public:
    QWidget* creaGrafico(QWidget* genitore) override
    {
        auto* vista = new QChartView(genitore);
        vista->setObjectName(QStringLiteral("graAndamento"));
        vista->setAccessibleName(QStringLiteral("Andamento: risposte esatte e secondi per operazione"));
        vista->setRenderHint(QPainter::Antialiasing);
        vista->setMinimumHeight(180);
        return vista;
    }

    void mostra(QWidget* grafico, const QList<PuntoAndamento>& punti) override
    {
        auto* vista = qobject_cast<QChartView*>(grafico);
        if (!vista)
            return;
        auto* chart = new QChart;
        // The axes' titles, in their lines' colours, say what each line is: a
        // legend would take the little room there is.
        chart->legend()->hide();
        chart->setMargins(QMargins(2, 2, 2, 2));
        auto* quota = new QLineSeries;
        quota->setName(QStringLiteral("Risposte esatte (%)"));
        auto* secondi = new QLineSeries;
        secondi->setName(QStringLiteral("Secondi per operazione (mediana)"));
        double secondiMassimi = 10;
        for (const PuntoAndamento& p : punti) {
            const double x = double(p.quando.toMSecsSinceEpoch());
            quota->append(x, p.quotaEsatte * 100);
            secondi->append(x, p.secondiMediani);
            secondiMassimi = std::max(secondiMassimi, p.secondiMediani);
        }
        quota->setPointsVisible(true);
        secondi->setPointsVisible(true);
        chart->addSeries(quota);
        chart->addSeries(secondi);

        auto* tempo = new QDateTimeAxis;
        tempo->setFormat(QStringLiteral("dd/MM"));
        tempo->setTickCount(3);
        if (punti.size() == 1) {
            // One run alone still needs a span for the axis.
            tempo->setRange(punti.first().quando.addDays(-1), punti.first().quando.addDays(1));
        } else if (!punti.isEmpty()) {
            tempo->setRange(punti.first().quando, punti.last().quando);
        }
        auto* asseQuota = new QValueAxis;
        asseQuota->setRange(0, 100);
        asseQuota->setLabelFormat(QStringLiteral("%d%%"));
        asseQuota->setTitleText(QStringLiteral("esatte"));
        asseQuota->setTickCount(5);
        auto* asseSecondi = new QValueAxis;
        asseSecondi->setRange(0, std::ceil(secondiMassimi / 4) * 4);   // whole seconds at the 5 ticks
        asseSecondi->setTickCount(5);
        asseSecondi->setLabelFormat(QStringLiteral("%d s"));
        asseSecondi->setTitleText(QStringLiteral("secondi per operazione"));
        chart->addAxis(tempo, Qt::AlignBottom);
        chart->addAxis(asseQuota, Qt::AlignLeft);
        chart->addAxis(asseSecondi, Qt::AlignRight);
        asseQuota->setTitleBrush(quota->color());
        asseSecondi->setTitleBrush(secondi->color());
        quota->attachAxis(tempo);
        quota->attachAxis(asseQuota);
        secondi->attachAxis(tempo);
        secondi->attachAxis(asseSecondi);

        QChart* vecchio = vista->chart();
        vista->setChart(chart);
        delete vecchio;
    }
};

} // namespace

} // namespace ope

extern "C" Q_DECL_EXPORT ope::ModuloGrafico* opeCreaModuloGrafico()
{
    return new ope::GraficoCharts;
}

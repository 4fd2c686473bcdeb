// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports/frmattestato.h"

#include "print/stampante.h"
#include "programma.h"
#include "reports/attestato.h"
#include "reports/nome.h"
#include "reports/stampaesercizi.h"
#include "serie/serie.h"
#include "ui/annuncio.h"
#include "ui/colori.h"
#include "ui/controlli.h"
#include "ui/pulsanteopzione.h"
#include "ui/twips.h"
#include "ui/messaggi.h"

#include <QFrame>
#include <QPainter>

namespace ope {

namespace {


constexpr double larghezzaPicture = 3750;
constexpr double altezzaPicture = 5205;

// The picture area: shows the persistent image whole, at its own proportions
// however the window is sized.
class Quadro : public QFrame {
public:
    Quadro(QWidget* genitore, const QImage& immagine) : QFrame(genitore), figura(immagine) {}

protected:
    void paintEvent(QPaintEvent* e) override
    {
        QFrame::paintEvent(e);
        if (figura.isNull())
            return;
        QPainter p(this);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        const QRectF dentro = contentsRect();
        QSizeF misura = figura.deviceIndependentSize();
        misura.scale(dentro.size(), Qt::KeepAspectRatio);
        const QRectF posto(dentro.center() - QPointF(misura.width() / 2, misura.height() / 2), misura);
        p.drawImage(posto, figura);
    }

private:
    const QImage& figura;
};

} // namespace

FrmAttestato::FrmAttestato(Programma& p, std::shared_ptr<const Serie> serie)
    : Finestra(QStringLiteral("FrmAttestato"), 11940, 8820), programma(p), corrente(std::move(serie))
{
    setWindowTitle(QStringLiteral("ATTESTATO DI MERITO"));
    creaControlli();
    registraProporzioni();

    valutazione = votoDellaSerie(*corrente);
    if (!classificato(giudizioPer(valutazione)) || corrente->numeroOperazione() < operazioniMinime) {
        option5[0]->setText(QStringLiteral("ATTESTATO NON STAMPABILE"));
        option5[0]->setEnabled(false);
    }
    fuocoIniziale(option5[0]->isEnabled() ? option5[0] : option5[1]);
    disegnaAttestato();
}

void FrmAttestato::creaControlli()
{
    QWidget* a = area();
    impostaSfondo(a, colori::rosaChiaro);

    picture1 = new Quadro(a, attestato);
    picture1->setObjectName(QStringLiteral("Picture1"));
    picture1->setGeometry(rettangolo(3450, 525, larghezzaPicture, altezzaPicture));
    picture1->setFrameShape(QFrame::Box);
    impostaSfondo(picture1, colori::azzurroChiaro);

    frame4 = nuovoRiquadro(a, QStringLiteral("Frame4"), 2595, 5880, 5460, 2640);
    impostaSfondo(frame4, colori::rosaChiaro);
    const QString didascalie[3] = {QStringLiteral("STAMPA L'ATTESTATO"), QStringLiteral("TORNA ALLA FINESTRA PRECEDENTE"),
                                   QStringLiteral("FINE SESSIONE")};
    for (int i = 0; i < 3; ++i) {
        PulsanteOpzione* o = nuovoPulsante(frame4, nomeElemento(QStringLiteral("Option5"), i), didascalie[i],
                                           180, 240 + i * 780, 5100, 660);
        o->setFont(carattere(QStringLiteral("Arial"), 12, true));
        impostaSfondo(o, colori::pesca);
        impostaTesto(o, colori::bluNotte);
        option5[std::size_t(i)] = o;
    }
    connect(option5[0], &PulsanteOpzione::premuto, this, [this] { stampaAttestato(); });
    connect(option5[1], &PulsanteOpzione::premuto, this, [this] { close(); });
    connect(option5[2], &PulsanteOpzione::premuto, this, [this] { programma.chiudiTutto(); });
}

void FrmAttestato::disegnaAttestato()
{
    const std::vector<RigaAttestato> righe = righeAttestato(*corrente, programma.sessione().alunno.nomeAlunno, programma.ambiente().dataBreve());
    attestato = nuovaImmagineAttestato(pixel(larghezzaPicture), pixel(altezzaPicture), colori::azzurroChiaro);
    // Drawn whole before the window is shown: the lines take a few
    // milliseconds, and a window must not wait on events before the program has it.
    PennaAttestato penna(attestato, righe);
    while (!penna.finita())
        penna.scriviRiga();
    mostraImmagine();
    // The certificate is a picture: a screen reader gets its words, the grade
    // among them, and says them as the window opens.
    QStringList parole;
    for (const RigaAttestato& r : righe)
        if (!r.testo.trimmed().isEmpty())
            parole << r.testo.simplified();
    picture1->setAccessibleName(parole.join(QLatin1Char(' ')));
    (new Annuncio(area()))->annuncia(parole.join(QLatin1Char(' ')));
}

void FrmAttestato::mostraImmagine()
{
    picture1->update();
}

void FrmAttestato::stampaAttestato()
{
    const Ambiente& amb = programma.ambiente();
    if (corrente->numeroOperazione() < operazioniMinime) {
        amb.avviso(messaggioEsito(EsitoStampa::troppoPoche));
        option5[0]->setEnabled(false);
        return;
    }
    Stampante stampante(amb.stampa);
    // The job carries the name as the certificate writes it.
    stampante.documento = nomeLavoro(corrente->scelte().nomeProgramma, QStringLiteral("Attestato"),
                                     nomeMaiuscolo(programma.sessione().alunno.nomeAlunno));
    stampante.fineRiga();
    stampante.immagine(1000, 100, attestato);
    if (const Invio invio = stampante.fine(); !invio)
        amb.avviso(messaggioInvio(invio));
}

} // namespace ope

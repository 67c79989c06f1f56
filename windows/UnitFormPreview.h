#pragma once

#include "Apercu.h"

#include <QDialog>

class QPainter;
class QPushButton;
class QScrollArea;
class QWidget;

// The window "Aperçu avant impression": the printed pages one at a time, on
// a paint box of 755 × 1250 pixels in a scroll box, with the buttons to go
// from page to page, to print, and to go back to the sheet. It is created
// at its first showing and opens maximised; the state of what it shows (Apercu) is
// taken afresh at each opening.
class TFormPreview : public QDialog, public Apercu {
    Q_OBJECT
public:
    explicit TFormPreview(QWidget* parent = nullptr);

    // Opens the preview of that character modally: FormShow, then the
    // window until it closes. QDialog::Accepted when closed with
    // "&Imprimer". A failure of FormShow (Echec) goes to the caller and
    // nothing is shown.
    int Montre(const DonneesImpression& donnees);

    // Handlers.
    // Each opening: under the hourglass of the main window, page 1, the
    // buttons reset, the chance to learn taken and the pages counted.
    void FormShow(const DonneesImpression& donnees);
    void PaintBoxPreviewPaint(QPainter& peintre);
    void ButtonPrecedentClick();
    void ButtonSuivantClick();

    void setVisible(bool visible) override;

private:
    // The controls, named as the system names them (objectName).
    QPushButton* ButtonPrecedent = nullptr;
    QPushButton* BitBtn2 = nullptr;   // OK: back to the sheet
    QPushButton* BitBtn3 = nullptr;   // "&Imprimer"
    QPushButton* ButtonSuivant = nullptr;
    QScrollArea* ScrollBox1 = nullptr;
    QWidget* PaintBoxPreview = nullptr;

    void signaleEchec(const QString& texte);
    // A failure met while painting is shown once, not at every repaint.
    bool echecMontre_ = false;
};

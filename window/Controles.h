// The standard controls of a window, as the handlers see them. Each one is a
// real Qt widget that also answers the generic operations of a control, so
// that a handler can walk every control of a window and read its properties.
#pragma once

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cstdint>
#include <functional>
#include <string>

#include "TexteQt.h"

// Any control of a window, as the enumeration hands it out. Reading a
// property that the control lacks is a run-time error (type mismatch).
class Controle {
  public:
    virtual ~Controle() = default;

    virtual bool EstCaseACocher() const { return false; }
    virtual std::int16_t Value() const;
    virtual std::string Caption() const;
    virtual void Caption(const std::string& texte);

    virtual QWidget& Widget() = 0;
};

// A control drawn by the Qt widget W.
template <typename W>
class ControleQt : public W, public Controle {
  public:
    QWidget& Widget() override { return *this; }
};

// A control whose caption is the text Qt draws.
template <typename W>
class ControleLegende : public ControleQt<W> {
  public:
    using Controle::Caption;
    std::string Caption() const override { return TexteProgramme(this->text()); }
    void Caption(const std::string& texte) override { this->setText(TexteAffiche(texte)); }
};

class Bouton : public ControleLegende<QPushButton> {
  public:
    // A disabled button takes no click.
    void Enabled(bool actif) { setEnabled(actif); }
    bool Enabled() const { return isEnabled(); }

  protected:
    // Return and Enter press the focused button, as Space does.
    void keyPressEvent(QKeyEvent* event) override;
};

// A check box: value 0 unchecked, 1 checked. Its box is 13 pixels square.
class CaseACocher : public ControleLegende<QCheckBox> {
  public:
    CaseACocher();

    bool EstCaseACocher() const override { return true; }
    std::int16_t Value() const override;
    void Value(std::int16_t valeur);

  protected:
    // A click anywhere in the control toggles it, not only on its box and
    // caption, as the desktop's own check boxes do.
    bool hitButton(const QPoint& place) const override { return rect().contains(place); }
};

// A label. It shows CR LF as one line break, wraps its words like the
// labels of the description, and gives back exactly the text written.
class Etiquette : public ControleQt<QLabel> {
  public:
    using Evenement = std::function<void()>;
    // Mouse buttons, shift keys, and the pointer's place in twips.
    using EvenementSouris =
        std::function<void(std::int16_t Button, std::int16_t Shift, float X, float Y)>;

    Etiquette();

    using Controle::Caption;
    std::string Caption() const override;
    void Caption(const std::string& texte) override;

    void QuandClick(Evenement handler);
    // Moves are reported with or without a button held.
    void QuandMouseMove(EvenementSouris handler);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    std::string caption_;
    Evenement click_;
    EvenementSouris mouseMove_;
    bool presse_ = false;
};

// A single-line text box.
class ZoneTexte : public ControleQt<QLineEdit> {
  public:
    std::string Text() const;
    void Text(const std::string& texte);
    void SetFocus() { setFocus(Qt::OtherFocusReason); }
};

// A frame that holds other controls; it shows no border and no caption.
class Cadre : public ControleQt<QFrame> {};

// A horizontal line, drawn in the foreground colour across its width.
class Ligne : public ControleQt<QFrame> {
  public:
    Ligne();
};

#pragma once

class QEvent;

// What a key press means to the prompts, which act on Enter and Escape
// only where they choose to (the window system's own dialog keys are off).
enum class ToucheDialogue { Autre, Entree, Echap };

// Enter (either key) or Escape pressed, whatever the modifiers.
ToucheDialogue LireToucheDialogue(const QEvent& evenement);

// Runs `ok` on Enter and `annuler` on Escape; true when the key was one of
// them (the key is then the prompt's, not the field's).
template <typename Ok, typename Annuler>
bool RepondreToucheDialogue(const QEvent& evenement, Ok ok, Annuler annuler)
{
    switch (LireToucheDialogue(evenement)) {
    case ToucheDialogue::Entree:
        ok();
        return true;
    case ToucheDialogue::Echap:
        annuler();
        return true;
    case ToucheDialogue::Autre:
        break;
    }
    return false;
}

#pragma once

class QEvent;

// What a key press means to the prompts, which act on Enter and Escape
// only where they choose to (the window system's own dialog keys are off).
enum class ToucheDialogue { Autre, Entree, Echap };

// Enter (either key) or Escape pressed, whatever the modifiers.
ToucheDialogue LireToucheDialogue(const QEvent& evenement);

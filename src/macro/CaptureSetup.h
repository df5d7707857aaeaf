#pragma once

// Makes the keyboard capture name keys as the user's keyboard layout writes them. Called
// once at start-up, after the application object exists.
void UseSystemKeyboardLayoutForCapture();

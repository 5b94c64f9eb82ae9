#pragma once
// What a command does when its dialog is not wired into this build: says so, and counts as cancelled.
int DialogoAusente(const char* nome);

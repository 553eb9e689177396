#pragma once

// The program's windows, by name, for the windows that open or close one another. The program
// object owns them; a window that is not part of a run (in a test) is left null.

class FrmInizio;
class FrmOperativo;
class FrmStampaEsercizio;
class FrmIstruzioni;
class FrmAutore;

struct Finestre {
    FrmInizio* inizio = nullptr;
    FrmOperativo* operativo = nullptr;
    FrmStampaEsercizio* stampa = nullptr;
    FrmIstruzioni* istruzioni = nullptr;
    FrmAutore* autore = nullptr;
};

// The Italian captions of the main window, by control.
#include <map>

#include "tools/default_data/language_files.h"

namespace pixmora::data {

namespace {

const std::map<std::string, std::string>& Captions() {
  static const std::map<std::string, std::string> captions = {
      {"mnuapri", "Apri"},
      {"mnuesci", "Esci"},
      {"mnusalvax", "Salva"},
      {"mnuimma", "Immagine (A)"},
      {"mnuimmb", "Immagine (B)"},
      {"mnusalva", "Salva file"},
      {"mnusalvaa", "Carica come immagine (A)"},
      {"mnusalvab", "Carica come immagine (B)"},
      {"mnusalvap", "Apri motivo"},
      {"mnuColor", "Colore....."},
      {"mnuCol(0)", "Sfumatura"},
      {"mnuCol(2)", "Colori pieni"},
      {"mnuCol(3)", "Colori sottostanti"},
      {"mnuCol(5)", "Schiarisci immagine"},
      {"mnuCol(6)", "Scurisci immagine"},
      {"mnuCol(8)", "Elimina componente rossa"},
      {"mnuCol(9)", "Elimina componente verde"},
      {"mnuCol(10)", "Elimina componente blu"},
      {"mnuCol(12)", "Scambia rosso e verde"},
      {"mnuCol(13)", "Scambia rosso e blu"},
      {"mnuCol(14)", "Scambia verde e blu"},
      {"mnuCol(16)", "Negativo componente rossa"},
      {"mnuCol(17)", "Negativo componente verde"},
      {"mnuCol(18)", "Negativo componente blu"},
      {"mnuCol(19)", "Negativo immagine"},
      {"mnuCol(21)", "Scala di grigi"},
      {"mnuMixing", "Miscela immagine...."},
      {"mnuMix(0)", "Miscela A con B"},
      {"mnuMix(1)", "Miscela motivo"},
      {"mnuMix(3)", "Inserisci forma"},
      {"mnuMix(4)", "Contorno"},
      {"mnuMix(6)", "Scorri immagine"},
      {"mnuFilters", "Filtri...."},
      {"mnuFil(0)", "Rilievo"},
      {"mnuFil(1)", "Rilievo - (rosso)"},
      {"mnuFil(2)", "Rilievo - (verde)"},
      {"mnuFil(3)", "Rilievo - (blu)"},
      {"mnuFil(5)", "Nebbia"},
      {"mnuFil(6)", "Oscura"},
      {"mnuFil(8)", "Diffondi immagine"},
      {"mnuFil(10)", "Immagine evidenziata"},
      {"mnuFil(12)", "Immagine consumata"},
      {"mnuFil(13)", "Fondi"},
      {"mnuFil(14)", "Contrasto"},
      {"mnuFil(15)", "Foschia"},
      {"mnuFil(16)", "Disordine"},
      {"mnuFil(18)", "Congela"},
      {"mnuFil(19)", "Congela forte"},
      {"mnuFil(21)", "Bianco e nero 1"},
      {"mnuFil(22)", "Bianco e nero 2"},
      {"mnuFil(23)", "Bianco e nero 3"},
      {"mnuSpecFilters", "Filtri speciali...."},
      {"mnuSFil(0)", "Marrone"},
      {"mnuSFil(1)", "Liquido"},
      {"mnuSFil(2)", "Giallo"},
      {"mnuSFil(3)", "Carbone"},
      {"mnuSFil(4)", "Scuro"},
      {"mnuSFil(5)", "Oscurit\u00e0 parziale"},
      {"mnuSFil(6)", "Viola"},
      {"mnuSFil(7)", "Spettrale"},
      {"mnuSFil(8)", "Irreale"},
      {"mnuSFil(9)", "Fiamma"},
      {"mnuSFil(10)", "Acquerello"},
      {"mnuEffects", "Effetti...."},
      {"mnuEff(0)", "Veneziane orizzontali"},
      {"mnuEff(1)", "Veneziane orizzontali invertite"},
      {"mnuEff(2)", "Veneziane verticali"},
      {"mnuEff(3)", "Veneziane verticali invertite"},
      {"mnuEff(5)", "Linee orizzontali"},
      {"mnuEff(6)", "Linee verticali"},
      {"mnuEff(7)", "Aggiungi quadrati"},
      {"mnuEff(8)", "Rettangoli"},
      {"mnuEff(9)", "Cerchi"},
      {"Frame1", "Impostazioni"},
      {"Label13", "Ruota"},
      {"Label2", "Trasparenza"},
      {"Label8", "Scala"},
      {"Label5(0)", "Rosso"},
      {"Label5(1)", "Verde"},
      {"Label5(2)", "Blu"},
      {"Label7(0)", "Colore 1"},
      {"Label1", "%...Elaborazione"},
  };
  return captions;
}

}  // namespace

std::optional<std::string> ItalianCaption(const std::string& control) {
  const auto it = Captions().find(control);
  if (it == Captions().end()) return std::nullopt;
  return it->second;
}

}  // namespace pixmora::data

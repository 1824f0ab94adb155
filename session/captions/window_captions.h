// The window's own captions (its menus, buttons, tool tips and notices beyond
// the design's) in the language "sxconf.cff" names. The design's language
// files keep their numbered entries; these come from a second file beside
// them, supporto/LANGUAGE + ".captions", whose lines are the English caption,
// a tab and its translation. The English text is the key: the code reads in
// plain English, and a caption the file lacks shows in English.
#pragma once
#include <map>
#include <memory>
#include <string>

namespace pixmora {

inline constexpr const char* kWindowCaptionsExtension = ".captions";

class CaptionTranslations {
 public:
  // The lines of a ".captions" file ('#' starts a comment line); English
  // (no translations) when the file is missing.
  static CaptionTranslations Read(const std::string& path);
  static CaptionTranslations FromText(const std::string& text);
  // Lines of other take the place of this one's for the same English.
  void Overlay(const CaptionTranslations& other);

  // The translation of english, or english itself.
  std::string Of(const std::string& english) const;
  const std::map<std::string, std::string>& All() const { return table_; }
  // The language's name as the configuration gives it ("Italiano"); empty
  // for English.
  const std::string& Language() const { return language_; }

 private:
  std::map<std::string, std::string> table_;
  std::string language_;
  friend CaptionTranslations ReadWindowCaptions(const std::string&, const std::string&, const std::string&);
};

// The window's captions in a language: the copy shipped with the program,
// so a new version brings its new captions, under the lines of the data
// folder's copy, where a user may have changed some.
CaptionTranslations ReadWindowCaptions(const std::string& shippedSupport, const std::string& support,
                                       const std::string& language);

// The translations the window speaks now: set at start-up and when the user
// changes the language; read from any thread.
void SetWindowLanguage(CaptionTranslations translations);
std::string Translate(const std::string& english);
// The name of the language the window speaks now (empty: English).
std::string WindowLanguage();

}  // namespace pixmora

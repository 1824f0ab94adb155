// Runs a menu command by its key, as choosing it in its menu does: the
// handler sequence of the catalogue row the key names.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "session/dispatch.h"

namespace pixmora::test {

inline const CatalogueEntry& Command(const std::string& key) {
  const CatalogueEntry* entry = FindByKey(key);
  if (!entry) ADD_FAILURE() << "no command has the key " << key;
  return entry ? *entry : Catalogue().front();
}

inline void RunByKey(Workspace& ws, const std::string& key) {
  const CatalogueEntry& entry = Command(key);
  RunMenuCommand(ws, entry.menu, entry.index);
}

}  // namespace pixmora::test

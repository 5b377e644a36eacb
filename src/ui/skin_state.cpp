#include "ui/skin_state.h"

namespace SkinUI {
namespace {

struct SkinState {
  void* module = nullptr;
  bool sevenZip = false;
};

SkinState& State() {
  static SkinState* state = new SkinState;  // lives until the process ends
  return *state;
}

}  // namespace

void SetSkinModule(void* module) { State().module = module; }
void* SkinModule() { return State().module; }
void UseSevenZipArchives(bool on) { State().sevenZip = on; }
bool SevenZipArchivesInUse() { return State().sevenZip; }

}  // namespace SkinUI

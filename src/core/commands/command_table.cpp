#include "commands/command_table.h"

#include <array>

#include "document/document.h"

namespace tessary {

namespace {

using Predicate = bool (*)(const Document&);

bool Always(const Document&) { return true; }
bool Loaded(const Document& d) { return d.SubtitleOpen(); }
bool NothingLoaded(const Document& d) { return !d.SubtitleOpen(); }
bool Unsaved(const Document& d) { return d.ChangesUnsaved(); }
bool AwaitsVerification(const Document& d) { return d.AwaitsVerification(); }
// The subtitle commands apply to a verified text; with nothing loaded they tell the user to
// load a subtitle.
bool Verified(const Document& d) { return !d.AwaitsVerification(); }
// Appending adds to the text as the last parse read it, failed or not.
bool AppendUsable(const Document& d) { return d.SubtitleOpen() && !d.EditedSinceParse(); }
// SubRip holds milliseconds: there is no frame rate to change.
bool FrameRateChangeUsable(const Document& d) {
  return Verified(d) && !(d.SubtitleOpen() && d.store().CurrentType == SubtitleType::SubRip);
}
bool VideoFileUsable(const Document& d) { return Verified(d) && !d.VideoPreviewShowing(); }
// Usable once a search has found something; searching is not carried out yet.
bool SearchAgainUsable(const Document&) { return false; }

struct Command {
  CommandId id;
  Predicate usable;
};

constexpr std::array<Command, CommandCount> Commands{{
    {CommandId::Open, NothingLoaded},
    {CommandId::Save, Unsaved},
    {CommandId::SaveAs, Loaded},
    {CommandId::Reload, Unsaved},
    {CommandId::CloseFile, Loaded},
    {CommandId::Append, AppendUsable},
    {CommandId::Exit, Always},
    {CommandId::VerifyWritings, AwaitsVerification},
    {CommandId::SaveAsType, Verified},
    {CommandId::DisplayUnit, Verified},
    {CommandId::ChooseFrameRate, Verified},
    {CommandId::LoadFromVideoFile, VideoFileUsable},
    {CommandId::Multiply, Verified},
    {CommandId::Increase, Verified},
    {CommandId::Decrease, Verified},
    {CommandId::ChangeFrameRate, FrameRateChangeUsable},
    {CommandId::Transform, Verified},
    {CommandId::DisplayTime, Verified},
    {CommandId::SplitSubtitle, Verified},
    {CommandId::SmartWrap, Verified},
    {CommandId::RemoveComments, Verified},
    {CommandId::LoadSaveText, Always},
    {CommandId::Search, Always},
    {CommandId::SearchAgain, SearchAgainUsable},
    {CommandId::GoToLine, Always},
    {CommandId::GoToTime, Always},
    {CommandId::GoToFrame, Always},
    {CommandId::DialogRemover, Always},
    {CommandId::VideoPreview, Always},
    {CommandId::Options, Always},
    {CommandId::About, Always},
}};

constexpr bool InIdOrder() {
  for (int i = 0; i < CommandCount; ++i)
    if (static_cast<int>(Commands[i].id) != i) return false;
  return true;
}
static_assert(InIdOrder(), "the table lists every command once, in the order of CommandId");

}  // namespace

bool CommandUsable(const Document& doc, CommandId id) { return Commands[static_cast<int>(id)].usable(doc); }

}  // namespace tessary

#include "settings/message_table.h"

namespace tessary {

namespace {
// One entry a line with its number after it, as entries are added: aligning the numbers would
// rewrite the whole table each time.
// clang-format off
const char* const kEnglish[MessageCount] = {
    "Verify\r\nwritings",  // 1
    "Transform",  // 2
    "Do it",  // 3
    "Load from\r\nvideo file",  // 4
    "Search",  // 5
    "Cancel",  // 6
    "Load from video file part",  // 7
    "OK",  // 8
    "Cancel",  // 9
    "Display time",  // 10
    "Split subtitle",  // 11
    "Smart wrap",  // 12
    "Remove\r\ncomments",  // 13
    "Load text",  // 14
    "Save text",  // 15
    "Choose Font...",  // 16
    "Apply",  // 17
    "Default",  // 18
    "Close",  // 19
    "Reset to default",  // 20
    "Delete",  // 21
    "Skip",  // 22
    "Automatic",  // 23
    "Stop",  // 24
    "Manual modifications",  // 25
    "Save as type:",  // 26
    "Automatic modifications",  // 27
    "The moment in which the",  // 28
    "first line should appear:",  // 29
    "last line should appear:",  // 30
    "Change framerate to:",  // 31
    "Framerate",  // 32
    "frames",  // 33
    "ms",  // 34
    "At",  // 35
    "character(s)",  // 36
    "display",  // 37
    "sec.",  // 38
    "if ':'",  // 39
    "Display resolution",  // 40
    "Display zone",  // 41
    "Are you sure that you want to switch to another subtitle format? You could lose some formatting elements...",  // 42
    "Registered types",  // 43
    "Minutes",  // 44
    "Time format",  // 45
    "Time",  // 46
    "Frame",  // 47
    "Brightness",  // 48
    "Contrast",  // 49
    "Segment text:",  // 50
    "Line number",  // 51
    "Do you wish to delete \"- \" at the beginning ?",  // 52
    "Subtitle name",  // 53
    "Frames",  // 54
    "Time (ms)",  // 55
    "from cursor",  // 56
    "from begining",  // 57
    "At frame:",  // 58
    "At time (ms):",  // 59
    "By display resolution and player font",  // 60
    "By numbers of characters:",  // 61
    "Save *.sav file",  // 62
    "Common save",  // 63
    "with comma",  // 64
    "with dot",  // 65
    "Add frames",  // 66
    "Add time",  // 67
    "File",  // 68
    "Open",  // 69
    "Save",  // 70
    "Save as...",  // 71
    "Reload",  // 72
    "Close file",  // 73
    "Exit",  // 74
    "Help",  // 75
    "About",  // 76
    "Edit",  // 77
    "Search",  // 78
    "Search again",  // 79
    "Load\\Save text",  // 80
    "Goto line...",  // 81
    "Goto time...",  // 82
    "Goto frame...",  // 83
    "Options",  // 84
    "General",  // 85
    "Save",  // 86
    "SubRip",  // 87
    "Video preview",  // 88
    "Tessary",  // 89
    "Search",  // 90
    "Split subtitle",  // 91
    "Smart wrap",  // 92
    "Display time",  // 93
    "Single dialog remover",  // 94
    "Append",  // 95
    "Opens a file (Ctrl-O)",  // 96
    "Save file (Ctrl-S)",  // 97
    "Save as... (Ctrl-Shift-S)",  // 98
    "Reload file (Ctrl-R)",  // 99
    "Close file (Ctrl-I)",  // 100
    "Speedbar",  // 101
    "Multiply the start/end values",  // 102
    "Increases the start/end values",  // 103
    "Decreases the start/end values",  // 104
    "Movie's framerate",  // 105
    "Verifies if the edited text is written correctly",  // 106
    "Loads the movie's framerate directly from avi file",  // 107
    "Limits the difference between the start and the end values",  // 108
    "Changes the framerate from the left value to this value",  // 109
    "Play",  // 110
    "Pause",  // 111
    "Stop",  // 112
    "Rewind",  // 113
    "Forward",  // 114
    "Opens a video file",  // 115
    "Select the font for displayed subtitles in video player",  // 116
    "Volume",  // 117
    "Mute",  // 118
    "Mark the time/frame value for the first point",  // 119
    "Mark the time/frame value for the second point",  // 120
    "This program is freeware",  // 121
    "Version",  // 122
    "Made by",  // 123
    "Critics and suggestions",  // 124
    "Latest version",  // 125
    "Built-in English",  // 126
    "Hole word only",  // 127
    "Perfect match",  // 128
    "Remove",  // 129
    "exists",  // 130
    "Disable this message",  // 131
    "Word wrap to window",  // 132
    "Automatically register these types on program load",  // 133
    "Automatic save the subtitle in:",  // 134
    "Save the original file in backup (*.bak)",  // 135
    "Advanced Automatic Repair",  // 136
    "apply to entire subtitle",  // 137
    "Cut\t\t\tCtrl-X",  // 138
    "Copy\t\t\tCtrl-C",  // 139
    "Paste\t\t\tCtrl-V",  // 140
    "Delete",  // 141
    "Select all\t\tCtrl-A",  // 142
    "Mark the line number",  // 143
    "for the first point\tCtrl-Shift-1",  // 144
    "for the second point\tCtrl-Shift-2",  // 145
    "Can't open",  // 146
    "for reading!",  // 147
    "This file is empty!",  // 148
    "This text file is too big - over 10MB!",  // 149
    "This is not a text!",  // 150
    "Invalid video file or codec not found!",  // 151
    "changes\r\nAre you sure you want to close the file?",  // 152
    "Unknown subtitle type!",  // 153
    "Problems with line nr.",  // 154
    "There were detected problems which the program couldn't solve them automatically\r\nPlease correct them manually!",  // 155
    "Problems were detected - there were made",  // 156
    "changes",  // 157
    "The multiplying value should be between 0.5 and 2 !",  // 158
    "The maximum value which can be used so that\r\nthe frames couldn't become negative is",  // 159
    "Please try again",  // 160
    "The time/frame value for the first point should be smaller than the time/frame value for the second point!",  // 161
    "There are",  // 162
    "I can't determin the length of this video file..",  // 163
    "Can't delete",  // 164
    "Can't rename",  // 165
    "to",  // 166
    "Changes to save!\r\nAre you sure you want to reload the file?",  // 167
    "Unable to register the program in the windows registry!",  // 168
    "The increase/decrease value is not in",  // 169
    "The subtitle was properly modified!",  // 170
    "doesn't exist!",  // 171
    "This is not an avi file!",  // 172
    "You didn't yet verified what you wrote!\r\nAre you sure you want to save?",  // 173
    "This file already exists! Overwrite?",  // 174
    "Save changes in",  // 175
    "I've made",  // 176
    "No change",  // 177
    "is a folder!",  // 178
    "The counter index is not in raising order!\r\nDo you wish to disable this notification and continue anyway?",  // 179
    "Too few lines for the counted text lines!",  // 180
    "Text not found!",  // 181
    "Can't write in",  // 182
    "was split into",  // 183
    "and",  // 184
    "Please choose a value in",  // 185
    "The divide point is in a line",  // 186
    "Should I divide this line?",  // 187
    "Can't read from file",  // 188
    "Please input a integer value!",  // 189
    "The value should be between 20 and 100!",  // 190
    "Please load a subtitle!",  // 191
    "Line is shorter than 4 characters!",  // 192
    "'{' is missing!",  // 193
    "'}' is missing!",  // 194
    "is not a number!",  // 195
    "Line too short!",  // 196
    "The start value is equal or bigger than the end value!",  // 197
    "The end value is bigger than the next start value!",  // 198
    "I can't determine the start value!",  // 199
    "I can't determine the end value!",  // 200
    "This video file is too long!",  // 201
    "The number of loaded lines is greater than the\r\nnumber of lines from subtitle. Are you sure?",  // 202
    "The number of loaded lines is lower than the\r\nnumber of lines from subtitle. Are you sure?",  // 203
    "The framerate couldn't be determined automatically!\r\nPlease set it manually...",  // 204
    "The line number for the first point should be smaller#\r\nthan the line number for the second point!",  // 205
    "Too many errors - please try different values..",  // 206
    "In these conditions the frames would become negative.\r\nPlease try different values...",  // 207
    "The frames are too high.\r\nPlease try different values...",  // 208
    "The subtitle was properly added !",  // 209
    "is an automatic copy newer than the file.\r\nOpen the copy instead?",  // 210
    "This character can't be written in Windows-1250: the subtitle will be saved as UTF-8.",  // 211
    "A line of the text would read as a time line in SubRip.\r\nPlease change that line...",  // 212
};
// clang-format on
}  // namespace

const char* MessageTable::BuiltInEnglish(int number) { return kEnglish[number - 1]; }

MessageTable::MessageTable() { LoadBuiltInEnglish(); }

void MessageTable::LoadBuiltInEnglish() {
  for (int i = 0; i < MessageCount; ++i) entries_[i] = kEnglish[i];
}

}  // namespace tessary

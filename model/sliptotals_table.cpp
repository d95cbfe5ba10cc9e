#include "sliptotals.h"

// The 332 positions of the slip totals: kind, the slip type that fills each, and what it holds.
namespace {

const SlipTotals::SlotSpec kSlots[SlipTotals::kSlotCount] = {
    {SlipTotals::Amount, 17, "RC62 box 10"}, // 0
    {SlipTotals::Amount, 17, "RC62 box 12"}, // 1
    {SlipTotals::Amount, 18, "RC210 box 10"}, // 2
    {SlipTotals::Amount, 18, "RC210 box 11"}, // 3
    {SlipTotals::Amount, 9, "T3 box 21"}, // 4
    {SlipTotals::Flag, 9, "T3 box 52 given"}, // 5
    {SlipTotals::Amount, 9, "T3 box 52 less 54, 56, 58"}, // 6
    {SlipTotals::Flag, 9, "T3 box 53 given"}, // 7
    {SlipTotals::Amount, 9, "T3 box 53 less 55, 57, 59"}, // 8
    {SlipTotals::Amount, 9, "T3 box 21, first switch"}, // 9
    {SlipTotals::Amount, 9, "T3 amount a"}, // 10
    {SlipTotals::Amount, 9, "T3 box 23"}, // 11
    {SlipTotals::Amount, 9, "T3 amount b"}, // 12
    {SlipTotals::Amount, 9, "T3 amount b, second switch clear"}, // 13
    {SlipTotals::Amount, 9, "T3 box 25"}, // 14
    {SlipTotals::Amount, 9, "T3 box 25 with box 34"}, // 15
    {SlipTotals::Amount, 9, "T3 box 26 less amount c"}, // 16
    {SlipTotals::Amount, 9, "T3 box 26, fourth switch"}, // 17
    {SlipTotals::Amount, 9, "T3 box 26, fifth switch"}, // 18
    {SlipTotals::Amount, 9, "T3 box 30"}, // 19
    {SlipTotals::Amount, 9, "T3 amount c"}, // 20
    {SlipTotals::Amount, 9, "T3 box 32"}, // 21
    {SlipTotals::Amount, 9, "T3 amount d"}, // 22
    {SlipTotals::Amount, 9, "T3 box 34"}, // 23
    {SlipTotals::Amount, 9, "T3 amount e"}, // 24
    {SlipTotals::Amount, 9, "T3 amount f"}, // 25
    {SlipTotals::Amount, 9, "T3 amount g"}, // 26
    {SlipTotals::Amount, 9, "T3 box 39"}, // 27
    {SlipTotals::Amount, 9, "T3 box 49"}, // 28
    {SlipTotals::Amount, 9, "T3 box 50"}, // 29
    {SlipTotals::Amount, 9, "T3 box 51"}, // 30
    {SlipTotals::Counters2, 1, "T4 slips: Quebec without box 16 / others"}, // 31
    {SlipTotals::Amount, 1, "T4 box 14"}, // 32
    {SlipTotals::Amount, 0, "unused"}, // 33
    {SlipTotals::Flag, 0, "exempt income under the Indian Act"}, // 34
    {SlipTotals::Amount, 1, "T4 box 14, first switch"}, // 35
    {SlipTotals::Amount, 1, "T4 box 16"}, // 36
    {SlipTotals::Amount, 1, "T4 box 14, Quebec"}, // 37
    {SlipTotals::Amount, 1, "T4 box 14, other provinces"}, // 38
    {SlipTotals::Amount, 1, "T4 box 16A"}, // 39
    {SlipTotals::Amount, 1, "T4 box 18"}, // 40
    {SlipTotals::Amount, 1, "T4 box 20"}, // 41
    {SlipTotals::Amount, 1, "T4 box 22"}, // 42
    {SlipTotals::Amount, 1, "T4 box 24"}, // 43
    {SlipTotals::Flag, 1, "T4 first selector 0"}, // 44
    {SlipTotals::Amount, 1, "T4 amount b"}, // 45
    {SlipTotals::Flag, 1, "T4 first selector 1"}, // 46
    {SlipTotals::Amount, 1, "T4 amount c"}, // 47
    {SlipTotals::Flag, 1, "T4 first selector 2"}, // 48
    {SlipTotals::Amount, 1, "T4 amount d"}, // 49
    {SlipTotals::Amount, 1, "T4 box 30"}, // 50
    {SlipTotals::Amount, 1, "T4 amount e, second selector 0"}, // 51
    {SlipTotals::Amount, 1, "T4 amount e, second selector 1"}, // 52
    {SlipTotals::Amount, 0, "unused"}, // 53
    {SlipTotals::Amount, 0, "unused"}, // 54
    {SlipTotals::Amount, 1, "T4 amount f"}, // 55
    {SlipTotals::Amount, 1, "T4 amount g"}, // 56
    {SlipTotals::Amount, 1, "T4 box 42"}, // 57
    {SlipTotals::Amount, 1, "T4 amount h"}, // 58
    {SlipTotals::Amount, 1, "T4 box 44"}, // 59
    {SlipTotals::Amount, 1, "T4 box 46"}, // 60
    {SlipTotals::Amount, 1, "T4 amount i"}, // 61
    {SlipTotals::Amount, 1, "T4 box 52"}, // 62
    {SlipTotals::Amount, 1, "T4 box 55"}, // 63
    {SlipTotals::Amount, 1, "T4 box 55, first switch"}, // 64
    {SlipTotals::Amount, 1, "T4 box 17"}, // 65
    {SlipTotals::Amount, 1, "T4 box 17A"}, // 66
    {SlipTotals::Amount, 1, "T4 box 26"}, // 67
    {SlipTotals::Amount, 1, "T4 box 26, Quebec without box 16"}, // 68
    {SlipTotals::Amount, 1, "T4 box 26, others"}, // 69
    {SlipTotals::Flags3, 1, "T4 second switch by box 26 place; every first switch set"}, // 70
    {SlipTotals::Amount, 1, "T4 amount a"}, // 71
    {SlipTotals::Amount, 1, "T4 boxes 14, 66, 67, Quebec with amount a"}, // 72
    {SlipTotals::Amount, 1, "T4 box 66"}, // 73
    {SlipTotals::Amount, 1, "T4 box 67"}, // 74
    {SlipTotals::Amount, 1, "T4 box 71"}, // 75
    {SlipTotals::Amount, 1, "T4 amount j"}, // 76
    {SlipTotals::Amount, 1, "T4 amount k"}, // 77
    {SlipTotals::Amount, 1, "T4 amount k, fourth switch"}, // 78
    {SlipTotals::Amount, 1, "T4 box 87"}, // 79
    {SlipTotals::Amount, 1, "T4 amount l"}, // 80
    {SlipTotals::Amount, 1, "T4 box 90"}, // 81
    {SlipTotals::Amount, 1, "T4 box 91"}, // 82
    {SlipTotals::Amount, 1, "T4 box 92"}, // 83
    {SlipTotals::Amount, 1, "T4 boxes 66, 67 with tax and no box 14"}, // 84
    {SlipTotals::Amount, 1, "T4 box 14, third switch, with tax"}, // 85
    {SlipTotals::Flag, 1, "T4 third switch"}, // 86
    {SlipTotals::Amount, 8, "T5 box 10"}, // 87
    {SlipTotals::Amount, 8, "T5 box 11"}, // 88
    {SlipTotals::Amount, 8, "T5 box 12"}, // 89
    {SlipTotals::Amount, 8, "T5 box 13"}, // 90
    {SlipTotals::Amount, 8, "T5 amount b"}, // 91
    {SlipTotals::Amount, 8, "T5 amount c"}, // 92
    {SlipTotals::Amount, 8, "T5 amount d"}, // 93
    {SlipTotals::Amount, 8, "T5 amount e"}, // 94
    {SlipTotals::Amount, 8, "T5 box 14"}, // 95
    {SlipTotals::Amount, 8, "T5 box 15"}, // 96
    {SlipTotals::Amount, 8, "T5 box 16"}, // 97
    {SlipTotals::Amount, 8, "T5 box 17, first switch"}, // 98
    {SlipTotals::Amount, 8, "T5 box 17"}, // 99
    {SlipTotals::Amount, 8, "T5 box 18"}, // 100
    {SlipTotals::Amount, 8, "T5 amount a, second switch or 65"}, // 101
    {SlipTotals::Amount, 8, "T5 amount a"}, // 102
    {SlipTotals::Amount, 8, "T5 box 24"}, // 103
    {SlipTotals::Amount, 8, "T5 box 25"}, // 104
    {SlipTotals::Amount, 8, "T5 box 26"}, // 105
    {SlipTotals::Amount, 8, "T5 box 34"}, // 106
    {SlipTotals::Amount, 5, "T4E box 7 (last positive)"}, // 107
    {SlipTotals::Amount, 5, "T4E box 14 less 18"}, // 108
    {SlipTotals::Amount, 5, "T4E box 14 less 18 with box 23"}, // 109
    {SlipTotals::Amount, 5, "T4E box 15"}, // 110
    {SlipTotals::Amount, 5, "T4E box 17"}, // 111
    {SlipTotals::Amount, 5, "T4E box 18"}, // 112
    {SlipTotals::Amount, 5, "T4E box 20"}, // 113
    {SlipTotals::Amount, 5, "T4E box 21"}, // 114
    {SlipTotals::Amount, 5, "T4E box 22"}, // 115
    {SlipTotals::Amount, 5, "T4E box 23"}, // 116
    {SlipTotals::Amount, 5, "T4E amount a"}, // 117
    {SlipTotals::Amount, 5, "T4E box 30 without amount b"}, // 118
    {SlipTotals::Amount, 5, "T4E amount b"}, // 119
    {SlipTotals::Amount, 5, "T4E box 33"}, // 120
    {SlipTotals::Amount, 5, "T4E amount c"}, // 121
    {SlipTotals::Amount, 5, "T4E box 37"}, // 122
    {SlipTotals::Amount, 5, "T4E box 14 with box 22"}, // 123
    {SlipTotals::Amount, 5, "T4E box 18, switch"}, // 124
    {SlipTotals::Amount, 4, "T4RSP box 16, first switch"}, // 125
    {SlipTotals::Amount, 4, "T4RSP box 16"}, // 126
    {SlipTotals::Amount, 4, "T4RSP box 18"}, // 127
    {SlipTotals::Amount, 4, "T4RSP box 20"}, // 128
    {SlipTotals::Amount, 4, "T4RSP box 22"}, // 129
    {SlipTotals::Amount, 0, "unused"}, // 130
    {SlipTotals::Amount, 4, "T4RSP box 25"}, // 131
    {SlipTotals::Amount, 4, "T4RSP box 26"}, // 132
    {SlipTotals::Amount, 4, "T4RSP box 27"}, // 133
    {SlipTotals::Amount, 4, "T4RSP box 28 positive"}, // 134
    {SlipTotals::Amount, 4, "T4RSP box 28 negative, subtracted"}, // 135
    {SlipTotals::Amount, 4, "T4RSP box 30"}, // 136
    {SlipTotals::Amount, 4, "T4RSP box 34"}, // 137
    {SlipTotals::Amount, 4, "T4RSP boxes 20, 22, 26, second switch"}, // 138
    {SlipTotals::Amount, 6, "T4A(OAS) box 18"}, // 139
    {SlipTotals::Amount, 6, "T4A(OAS) box 19"}, // 140
    {SlipTotals::Amount, 6, "T4A(OAS) box 20"}, // 141
    {SlipTotals::Amount, 6, "T4A(OAS) box 21"}, // 142
    {SlipTotals::Amount, 6, "T4A(OAS) box 22"}, // 143
    {SlipTotals::Amount, 6, "T4A(OAS) box 23"}, // 144
    {SlipTotals::Amount, 0, "unused"}, // 145
    {SlipTotals::Amount, 3, "T4A(P) amount a"}, // 146
    {SlipTotals::Flag, 3, "T4A(P) amount a with third switch"}, // 147
    {SlipTotals::Amount, 3, "T4A(P) amount b"}, // 148
    {SlipTotals::Amount, 3, "T4A(P) amount c"}, // 149
    {SlipTotals::Amount, 3, "T4A(P) amount d"}, // 150
    {SlipTotals::Amount, 3, "T4A(P) amount e"}, // 151
    {SlipTotals::Amount, 3, "T4A(P) amount f"}, // 152
    {SlipTotals::Amount, 3, "T4A(P) amount g less e"}, // 153
    {SlipTotals::Amount, 3, "T4A(P) largest amount h"}, // 154
    {SlipTotals::Amount, 3, "T4A(P) largest amount h, first switch clear"}, // 155
    {SlipTotals::Amount, 3, "T4A(P) amount i"}, // 156
    {SlipTotals::Amount, 3, "T4A(P) amount j"}, // 157
    {SlipTotals::Amount, 3, "T4A(P) amount g with amount j"}, // 158
    {SlipTotals::Amount, 3, "T4A(P) amount g, second switch"}, // 159
    {SlipTotals::Amount, 3, "T4A(P) largest amount k"}, // 160
    {SlipTotals::Amount, 3, "T4A(P) largest amount k, first switch clear"}, // 161
    {SlipTotals::Amount, 3, "T4A(P) amount e with e or i"}, // 162
    {SlipTotals::Amount, 2, "T4A box 16"}, // 163
    {SlipTotals::Amount, 2, "T4A box 18"}, // 164
    {SlipTotals::Amount, 2, "T4A box 20"}, // 165
    {SlipTotals::Amount, 2, "T4A box 22"}, // 166
    {SlipTotals::Amount, 2, "T4A box 24"}, // 167
    {SlipTotals::Amount, 2, "T4A box 24, under 65"}, // 168
    {SlipTotals::Amount, 2, "T4A box 24, fourth switch"}, // 169
    {SlipTotals::Amount, 0, "unused"}, // 170
    {SlipTotals::Amount, 0, "unused"}, // 171
    {SlipTotals::Amount, 2, "T4A box 28, sixth switch"}, // 172
    {SlipTotals::Amount, 2, "T4A box 28"}, // 173
    {SlipTotals::Amount, 2, "T4A amount a"}, // 174
    {SlipTotals::Amount, 2, "T4A amount b"}, // 175
    {SlipTotals::Amount, 2, "T4A box 104 less amount d"}, // 176
    {SlipTotals::Amount, 2, "T4A amount f"}, // 177
    {SlipTotals::Amount, 2, "T4A box 30"}, // 178
    {SlipTotals::Amount, 2, "T4A box 34"}, // 179
    {SlipTotals::Amount, 2, "T4A amount c"}, // 180
    {SlipTotals::Amount, 2, "T4A box 40"}, // 181
    {SlipTotals::Amount, 2, "T4A box 42"}, // 182
    {SlipTotals::Amount, 2, "T4A box 46"}, // 183
    {SlipTotals::Amount, 2, "T4A income with tax withheld"}, // 184
    {SlipTotals::Amount, 2, "T4A box 124, second selector 0"}, // 185
    {SlipTotals::Amount, 2, "T4A box 124, second selector 1"}, // 186
    {SlipTotals::Amount, 2, "T4A box 48"}, // 187
    {SlipTotals::Amount, 2, "T4A box 105, other selector"}, // 188
    {SlipTotals::Amount, 2, "T4A box 105, first selector 1"}, // 189
    {SlipTotals::Amount, 2, "T4A box 105, first selector 0"}, // 190
    {SlipTotals::Amount, 2, "T4A taxable scholarships"}, // 191
    {SlipTotals::Amount, 2, "T4A box 106"}, // 192
    {SlipTotals::Amount, 2, "T4A box 107"}, // 193
    {SlipTotals::Amount, 2, "T4A box 109"}, // 194
    {SlipTotals::Amount, 2, "T4A amount e"}, // 195
    {SlipTotals::Amount, 2, "T4A box 118"}, // 196
    {SlipTotals::Amount, 2, "T4A box 119"}, // 197
    {SlipTotals::Amount, 2, "T4A amount g"}, // 198
    {SlipTotals::Amount, 2, "T4A box 125"}, // 199
    {SlipTotals::Amount, 2, "T4A box 127"}, // 200
    {SlipTotals::Amount, 2, "T4A box 128"}, // 201
    {SlipTotals::Amount, 2, "T4A amount h"}, // 202
    {SlipTotals::Amount, 2, "T4A amount i"}, // 203
    {SlipTotals::Amount, 2, "T4A box 131"}, // 204
    {SlipTotals::Amount, 2, "T4A amount j"}, // 205
    {SlipTotals::Amount, 2, "T4A amount k"}, // 206
    {SlipTotals::Amount, 2, "T4A amount k, under 65"}, // 207
    {SlipTotals::Amount, 2, "T4A amount l"}, // 208
    {SlipTotals::Amount, 2, "T4A box 135"}, // 209
    {SlipTotals::Amount, 2, "T4A box 135, ninth switch"}, // 210
    {SlipTotals::Amount, 2, "T4A amount m"}, // 211
    {SlipTotals::Amount, 2, "T4A amount n"}, // 212
    {SlipTotals::Amount, 2, "T4A amount o"}, // 213
    {SlipTotals::Amount, 2, "T4A amount p"}, // 214
    {SlipTotals::Amount, 2, "T4A amount q"}, // 215
    {SlipTotals::Amount, 2, "T4A amount r"}, // 216
    {SlipTotals::Amount, 2, "T4A amount r, under 65"}, // 217
    {SlipTotals::Amount, 0, "unused"}, // 218
    {SlipTotals::Amount, 2, "T4A box 197"}, // 219
    {SlipTotals::Amount, 2, "T4A box 198"}, // 220
    {SlipTotals::Amount, 2, "T4A box 199"}, // 221
    {SlipTotals::Amount, 2, "T4A box 200"}, // 222
    {SlipTotals::Amount, 2, "T4A box 201"}, // 223
    {SlipTotals::Amount, 2, "T4A box 202"}, // 224
    {SlipTotals::Amount, 2, "T4A box 203"}, // 225
    {SlipTotals::Amount, 2, "T4A box 204"}, // 226
    {SlipTotals::Amount, 2, "T4A amount s"}, // 227
    {SlipTotals::Amount, 2, "T4A box 210"}, // 228
    {SlipTotals::Amount, 2, "T4A box 211"}, // 229
    {SlipTotals::Amount, 2, "T4A boxes 197, 203, second switch"}, // 230
    {SlipTotals::Amount, 25, "T2202 part-time months"}, // 231
    {SlipTotals::Amount, 25, "T2202 full-time months"}, // 232
    {SlipTotals::Amount, 25, "T2202 fees with part-time months"}, // 233
    {SlipTotals::Amount, 25, "T2202 fees without part-time months"}, // 234
    {SlipTotals::Amount, 10, "T5003 amount"}, // 235
    {SlipTotals::Amount, 11, "T5007 first amount"}, // 236
    {SlipTotals::Amount, 11, "T5007 first amount, switch"}, // 237
    {SlipTotals::Amount, 11, "T5007 second amount"}, // 238
    {SlipTotals::Amount, 11, "T5007 code 3 smallest third amount"}, // 239
    {SlipTotals::Flag, 11, "T5007 code 3 second amount positive"}, // 240
    {SlipTotals::Amount, 13, "T5013 amount b"}, // 241
    {SlipTotals::Amount, 13, "T5013 amount c"}, // 242
    {SlipTotals::Amount, 13, "T5013 amount d"}, // 243
    {SlipTotals::Amount, 13, "T5013 amount e"}, // 244
    {SlipTotals::Amount, 13, "T5013 amount a"}, // 245
    {SlipTotals::Amount, 13, "T5013 amount f"}, // 246
    {SlipTotals::Amount, 13, "T5013 amount h"}, // 247
    {SlipTotals::Amount, 0, "unused"}, // 248
    {SlipTotals::Amount, 0, "unused"}, // 249
    {SlipTotals::Amount, 13, "T5013 amount l"}, // 250
    {SlipTotals::Amount, 13, "T5013 amount m"}, // 251
    {SlipTotals::Amount, 13, "T5013 amount n"}, // 252
    {SlipTotals::Amount, 13, "T5013 amount o"}, // 253
    {SlipTotals::Amount, 13, "T5013 amount p"}, // 254
    {SlipTotals::Amount, 13, "T5013 amount q"}, // 255
    {SlipTotals::Amount, 13, "T5013 amount r"}, // 256
    {SlipTotals::Amount, 13, "T5013 amount s"}, // 257
    {SlipTotals::Amount, 13, "T5013 amount s, switch"}, // 258
    {SlipTotals::Amount, 13, "T5013 amount x"}, // 259
    {SlipTotals::Amount, 13, "T5013 amount t"}, // 260
    {SlipTotals::Amount, 13, "T5013 amount g"}, // 261
    {SlipTotals::Amount, 13, "T5013 amount i"}, // 262
    {SlipTotals::Amount, 13, "T5013 amount j"}, // 263
    {SlipTotals::Amount, 13, "T5013 amount k"}, // 264
    {SlipTotals::Amount, 13, "T5013 amount u"}, // 265
    {SlipTotals::Amount, 13, "T5013 amount v"}, // 266
    {SlipTotals::Amount, 13, "T5013 amount w"}, // 267
    {SlipTotals::Amount, 13, "T5013 amount y"}, // 268
    {SlipTotals::Amount, 7, "T4RIF box 16, first switch or 65"}, // 269
    {SlipTotals::Amount, 7, "T4RIF box 16"}, // 270
    {SlipTotals::Amount, 7, "T4RIF box 18"}, // 271
    {SlipTotals::Amount, 7, "T4RIF box 20, first switch or 65"}, // 272
    {SlipTotals::Amount, 7, "T4RIF box 20"}, // 273
    {SlipTotals::Amount, 7, "T4RIF box 22, switch or 65"}, // 274
    {SlipTotals::Amount, 7, "T4RIF box 22"}, // 275
    {SlipTotals::Amount, 7, "T4RIF box 22 not positive, subtracted"}, // 276
    {SlipTotals::Amount, 7, "T4RIF box 24"}, // 277
    {SlipTotals::Amount, 7, "T4RIF box 28"}, // 278
    {SlipTotals::Amount, 7, "T4RIF amount a"}, // 279
    {SlipTotals::Amount, 7, "T4RIF box 16 with amount a"}, // 280
    {SlipTotals::Amount, 7, "T4RIF boxes 16, 22 with tax"}, // 281
    {SlipTotals::Amount, 14, "T4PS amount 1"}, // 282
    {SlipTotals::Amount, 14, "T4PS amount 2"}, // 283
    {SlipTotals::Amount, 14, "T4PS amount 3"}, // 284
    {SlipTotals::Amount, 14, "T4PS amount 4"}, // 285
    {SlipTotals::Amount, 14, "T4PS amount 5"}, // 286
    {SlipTotals::Amount, 14, "T4PS amount 6"}, // 287
    {SlipTotals::Amount, 14, "T4PS amount 7, switch"}, // 288
    {SlipTotals::Amount, 14, "T4PS amount 7"}, // 289
    {SlipTotals::Amount, 14, "T4PS amount 8"}, // 290
    {SlipTotals::Amount, 14, "T4PS amount 9"}, // 291
    {SlipTotals::Amount, 14, "T4PS amount 10"}, // 292
    {SlipTotals::Amount, 14, "T4PS amount 11"}, // 293
    {SlipTotals::Amount, 14, "T4PS amount 12"}, // 294
    {SlipTotals::Amount, 14, "T4PS amount 13"}, // 295
    {SlipTotals::Amount, 16, "T5006 a less b"}, // 296
    {SlipTotals::Amount, 16, "T5006 c less d"}, // 297
    {SlipTotals::Amount, 16, "T5006 e"}, // 298
    {SlipTotals::Amount, 15, "T4ARCA amount 1"}, // 299
    {SlipTotals::Amount, 15, "T4ARCA amount 2"}, // 300
    {SlipTotals::Amount, 15, "T4ARCA amount 3"}, // 301
    {SlipTotals::Amount, 15, "T4ARCA amount 4"}, // 302
    {SlipTotals::Amount, 15, "T4ARCA amount 5"}, // 303
    {SlipTotals::Amount, 15, "T4ARCA amount 6"}, // 304
    {SlipTotals::Amount, 15, "T4ARCA amount 7"}, // 305
    {SlipTotals::Amount, 23, "T1204 box 82"}, // 306
    {SlipTotals::Amount, 23, "T1204 box 84"}, // 307
    {SlipTotals::Counter, 23, "T1204 slips"}, // 308
    {SlipTotals::Amount, 21, "Manitoba shelter assistance"}, // 309
    {SlipTotals::Amount, 22, "PRPP amount a"}, // 310
    {SlipTotals::Amount, 22, "PRPP amount b"}, // 311
    {SlipTotals::Amount, 22, "PRPP amount d"}, // 312
    {SlipTotals::Amount, 22, "PRPP amount e"}, // 313
    {SlipTotals::Amount, 22, "PRPP amount c"}, // 314
    {SlipTotals::Amount, 2, "T4A box 22 share of box 16; T4RIF box 28"}, // 315
    {SlipTotals::Amount, 24, "NR4 amount 1"}, // 316
    {SlipTotals::Amount, 24, "NR4 amount 2"}, // 317
    {SlipTotals::Amount, 24, "NR4 amount 3"}, // 318
    {SlipTotals::Amount, 24, "NR4 amount 4"}, // 319
    {SlipTotals::Amount, 26, "T4FHSA box 18"}, // 320
    {SlipTotals::Amount, 26, "T4FHSA box 20"}, // 321
    {SlipTotals::Amount, 26, "T4FHSA box 22"}, // 322
    {SlipTotals::Amount, 26, "T4FHSA box 24"}, // 323
    {SlipTotals::Amount, 26, "T4FHSA box 26"}, // 324
    {SlipTotals::Amount, 26, "T4FHSA box 26, switch"}, // 325
    {SlipTotals::Amount, 26, "T4FHSA box 28"}, // 326
    {SlipTotals::Amount, 26, "T4FHSA box 30"}, // 327
    {SlipTotals::Amount, 26, "T4FHSA box 32"}, // 328
    {SlipTotals::Amount, 26, "T4FHSA box 34"}, // 329
    {SlipTotals::Amount, 26, "T4FHSA box 36"}, // 330
    {SlipTotals::Amount, 26, "T4FHSA box 38"}, // 331
};

} // namespace

const SlipTotals::SlotSpec &SlipTotals::slotSpec(int slot)
{
    return kSlots[slot];
}

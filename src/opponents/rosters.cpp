#include "opponents/rosters.h"

#include <array>

namespace volna::opponents {

namespace {

// Loot draw d = Int(r × 10): 1 to 4 row A, 5 and 6 row B, 7 and 8 row C, 0 and 9 row D.
const std::vector<int> kMonsterLootRows = {3, 0, 0, 0, 0, 1, 1, 2, 2, 3};

const std::vector<ArenaClass> kClasses = {
    {"bigina", "ビギナークラス", 0, 10, "nomaru",
     {10, 40, 40, "勝利賞金　１００", 100, {}, {}},
     {
         {"ケイ", 50, 50, 10, 5},
         {"ショウ", 70, 65, 13, 6},
         {"テッド", 45, 70, 8, 11},
         {"ダンカン", 40, 40, 20, 3},
         {"ゴラン", 100, 30, 12, 7},
         {"ササ", 30, 40, 7, 8},
         {"ヌーク", 70, 50, 8, 16},
         {"コイス", 65, 60, 13, 10},
         {"エナン", 35, 70, 10, 25},
         {"ジョイ", 40, 60, 9, 27},
         {"コウ", 40, 100, 6, 30},
     }},
    {"nomaru", "ノーマルクラス", 1, 15, "ekisupato",
     {30, 100, 100, "勝利賞金　５００", 500, {}, {}},
     {
         {"デューレン", 150, 200, 40, 35},
         {"バレッティ", 240, 170, 54, 30},
         {"ビクン", 220, 300, 30, 40},
         {"カラット", 140, 350, 50, 25},
         {"アラン", 400, 190, 30, 20},
         {"ピヌロ", 340, 300, 40, 25},
         {"ベンジャット", 230, 250, 50, 50},
         {"レッティーナ", 600, 150, 20, 40},
         {"チャック", 300, 500, 60, 10},
         {"ピエール", 200, 200, 60, 55},
         {"ベレッタ", 450, 350, 40, 45},
     }},
    {"ekisupato", "エキスパートクラス", 2, 20, "ekusutora",
     {50, 200, 200, "勝利賞金　１０００", 1000, {}, {}},
     {
         {"コスターニャ", 900, 700, 100, 70},
         {"ジャン", 1100, 700, 70, 50},
         {"セリオス", 1400, 900, 40, 40},
         {"コーネリアス", 500, 1200, 120, 60},
         {"シゲン", 700, 1000, 100, 30},
         {"フォックス", 1100, 600, 80, 30},
         {"クレスター", 950, 1000, 70, 70},
     }},
    {"ekusutora", "エクストラクラス", 3, 20, "supesyaru",
     {100, 500, 500, "勝利賞金　２０００", 2000, {}, {}},
     {
         {"シリョウ", 1800, 1500, 350, 200},
         {"ラム", 1300, 2200, 300, 180},
         {"アーチェ", 1450, 2500, 290, 195},
         {"シドー", 2000, 1900, 150, 250},
         {"クロノ", 1600, 1400, 370, 200},
         {"トラスト", 1900, 2300, 250, 200},
     }},
    {"supesyaru", "スペシャルクラス", -1, 0, "",
     {300, 1000, 1000, "勝利賞金　５０００", 5000, {}, {}},
     {
         {"ネリガルーラ", 7000, 6000, 500, 600},
         {"リリパッパ", 10000, 3700, 800, 400},
         {"ホウセン", 8500, 4300, 900, 700},
         {"オロチ", 8888, 8888, 888, 888},
     }},
};
const std::vector<Place> kPlaces = {
    {"doukutu", "暗い洞窟", 0, 10, "kouzan",
     {20, 70, 70, "", 0,
      {
          {"青い液体　１　鉄　１", "ao", 1, "tetu", 1},
          {"青い液体　３ 鋼鉄　１", "ao", 3, "koutetu", 1},
          {"天然水　１　鉄　３", "mizu", 1, "tetu", 3},
          {"天然水　３　鋼鉄　３", "mizu", 3, "koutetu", 3},
      },
      kMonsterLootRows},
     {
         {"下っ端盗賊", 100, 70, 20, 10},
         {"盗賊幹部", 140, 120, 30, 25},
         {"盗賊の頭", 200, 160, 35, 35},
     }},
    {"kouzan", "閉ざされた鉱山", 1, 15, "jikken",
     {40, 150, 150, "", 0,
      {
          {"天然水　１　鋼鉄　１", "mizu", 1, "koutetu", 1},
          {"天然水　３ 硬い金属　１", "mizu", 3, "katai", 1},
          {"毒草　１　鋼鉄　３", "doku", 1, "koutetu", 3},
          {"毒草　３　硬い金属　３", "doku", 3, "katai", 3},
      },
      kMonsterLootRows},
     {
         {"ガイコツ剣士", 420, 270, 60, 25},
         {"ゴーレム", 500, 300, 40, 80},
         {"ワーウルフ", 700, 900, 85, 55},
     }},
    {"jikken", "狂気の実験室", 2, 20, "tika",
     {70, 350, 350, "", 0,
      {
          {"毒草　１　硬い金属　１", "doku", 1, "katai", 1},
          {"毒草　３ 妖しい石　１", "doku", 3, "ayasii", 1},
          {"大樹の葉　１　硬い金属　３", "ha", 1, "katai", 3},
          {"大樹の葉　３　妖しい石　３", "ha", 3, "ayasii", 3},
      },
      kMonsterLootRows},
     {
         {"キラービー", 400, 1200, 200, 20},
         {"ブロッブ", 1400, 300, 70, 40},
         {"キマイラ", 1800, 1000, 185, 93},
     }},
    {"tika", "地下大空洞", 3, 20, "tenkai",
     {150, 700, 700, "", 0,
      {
          {"大樹の葉　１　妖しい石　１", "ha", 1, "ayasii", 1},
          {"大樹の葉　３ 光る石　１", "ha", 3, "hikaru", 1},
          {"隕石のかけら　１　妖しい石　３", "inseki", 1, "ayasii", 3},
          {"隕石のかけら　３　光る石　３", "inseki", 3, "hikaru", 3},
      },
      kMonsterLootRows},
     {
         {"ガーゴイル", 2500, 3000, 470, 230},
         {"極楽鳥", 4200, 2600, 340, 290},
         {"バク", 4000, 2000, 410, 310},
     }},
    {"tenkai", "天界への扉", 4, 20, "kobit",
     {500, 2000, 2000, "", 0,
      {
          {"隕石のかけら　１　光る石　１", "inseki", 1, "hikaru", 1},
          {"隕石のかけら　３ 天界の石　１", "inseki", 3, "tenkai", 1},
          {"謎の微生物　１　光る石　３", "bi", 1, "hikaru", 3},
          {"謎の微生物　３　天界の石　３", "bi", 3, "tenkai", 3},
      },
      kMonsterLootRows},
     {
         {"ヴァルキリー", 13000, 9000, 1300, 900},
         {"ゼウス", 20000, 10000, 2000, 2400},
         {"リヴァイアサン", 40000, 13000, 2900, 1800},
     }},
};

const Fighter kKobit = {"こびっと", 100000, 100000, 10000, 10000};

// こびっと's loot draw is d = Int(r × 7): 1 to 5 one row each, 0 and 6 the last row.
const Reward kKobitReward = {3000,
                             5000,
                             5000,
                             "",
                             0,
                             {
                                 {"青い液体　１００　鉄　１００", "ao", 100, "tetu", 100},
                                 {"天然水　１００ 鋼鉄　１００", "mizu", 100, "koutetu", 100},
                                 {"毒草　１００　硬い金属　１００", "doku", 100, "katai", 100},
                                 {"大樹の葉　１００　妖しい石　１００", "ha", 100, "ayasii", 100},
                                 {"隕石のかけら　１００　光る石　１００", "inseki", 100, "hikaru", 100},
                                 {"謎の微生物　１００　天界の石　１００", "bi", 100, "tenkai", 100},
                             },
                             {5, 0, 1, 2, 3, 4, 5}};

}  // namespace

const std::vector<ArenaClass>& arenaClasses() { return kClasses; }
const std::vector<Place>& places() { return kPlaces; }

const Fighter& monsterFor(const Place& place, int draw) {
  static constexpr std::array<int, 8> kMonsterByDraw = {0, 1, 2, 0, 0, 0, 1, 1};
  return place.monsters.at(kMonsterByDraw.at(draw));
}

const Fighter& kobit() { return kKobit; }
const Reward& kobitReward() { return kKobitReward; }

const Reward* rewardFor(std::string_view name) {
  for (const auto& c : kClasses)
    for (const auto& f : c.roster)
      if (f.name == name) return &c.reward;
  for (const auto& p : kPlaces)
    for (const auto& m : p.monsters)
      if (m.name == name) return &p.reward;
  if (name == kKobit.name) return &kKobitReward;
  return nullptr;
}

}  // namespace volna::opponents

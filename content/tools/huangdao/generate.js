#!/usr/bin/env node
// Writes the almanac row of every day from 1901-01-01 to 2050-12-31 as tab-separated UTF-8
// text on standard output, for the huangdao table of VorFile.dll. The figures are computed by
// lunar-javascript at the version pinned in package-lock.json; regenerate with
//
//   npm ci && node generate.js | xz -9e > ../../huangdao.tsv.xz
//
// The first line names the columns. Each later line is one day:
//
//   gn      the Gregorian date, YYYY-MM-DD
//   nn      one-line summary: the lunar date, then the year, month and day stem-branches,
//           e.g. "农历正月初一 甲辰年 丙寅月 甲辰日" (a leap month reads "农历闰四月初一 ...")
//   suici   year, month and day stem-branch with the year's animal: "甲辰年(龙) 丙寅月 甲辰日".
//           The year turns at the lunar new year, the month at the solar term that opens it.
//   tszf    where the foetus spirit dwells that day (胎神占方): "占门栖 房内东"
//   wuhang  the day's 纳音 element and its 建除 officer: "覆灯火 满执位"
//   cong    the animal (and stem-branch) the day clashes with, and the direction of 煞:
//           "冲狗(戊戌) 煞南"
//   pzbj    the Pengzu taboos of the day's stem and branch: "甲不开仓财物耗散 辰不哭泣必主重丧"
//   jsyq    auspicious spirits (吉神宜趋), separated by blanks; "无" when there are none
//   yi      activities the day suits (宜), separated by blanks
//   xsyq    inauspicious spirits (凶神宜忌), separated by blanks; "无" when there are none
//   ji      activities to avoid (忌), separated by blanks
//   jishi   the twelve double hours from 子 to 亥, each its stem-branch and 吉 or 凶:
//           "甲子凶 乙丑凶 丙寅吉 …"
'use strict';

const { Solar } = require('lunar-javascript');

const FIRST = [1901, 1, 1];
const LAST = '2050-12-31';
const COLUMNS = ['gn', 'nn', 'suici', 'tszf', 'wuhang', 'cong', 'pzbj', 'jsyq', 'yi', 'xsyq', 'ji', 'jishi'];

function list(items) {
  return items.length ? items.join(' ') : '无';
}

function lunarDate(lunar) {
  const month = lunar.getMonthInChinese();  // "正" .. "腊", with "闰" before a leap month
  return '农历' + month + '月' + lunar.getDayInChinese();
}

function row(solar) {
  const lunar = solar.getLunar();
  const y = lunar.getYearInGanZhi();
  const m = lunar.getMonthInGanZhi();
  const d = lunar.getDayInGanZhi();
  // getTimes() gives thirteen entries: the early 子 hour of this day first and the late 子
  // hour (which belongs to the next day's count) last. The almanac lists the twelve of the day.
  const hours = lunar.getTimes().slice(0, 12).map((t) => t.getGanZhi() + t.getTianShenLuck());
  const fields = [
    solar.toYmd(),
    `${lunarDate(lunar)} ${y}年 ${m}月 ${d}日`,
    `${y}年(${lunar.getYearShengXiao()}) ${m}月 ${d}日`,
    lunar.getDayPositionTai(),
    `${lunar.getDayNaYin()} ${lunar.getZhiXing()}执位`,
    `冲${lunar.getDayChongShengXiao()}(${lunar.getDayChongGan()}${lunar.getDayChong()}) 煞${lunar.getDaySha()}`,
    `${lunar.getPengZuGan()} ${lunar.getPengZuZhi()}`,
    list(lunar.getDayJiShen()),
    list(lunar.getDayYi()),
    list(lunar.getDayXiongSha()),
    list(lunar.getDayJi()),
    hours.join(' '),
  ];
  for (const f of fields) {
    if (/[\t\r\n]/.test(f) || f.trim() === '') throw new Error(`bad field on ${solar.toYmd()}: ${JSON.stringify(f)}`);
  }
  if (hours.length !== 12) throw new Error(`${solar.toYmd()}: ${hours.length} double hours`);
  return fields.join('\t');
}

function main() {
  const out = [COLUMNS.join('\t')];
  let solar = Solar.fromYmd(...FIRST);
  for (;;) {
    out.push(row(solar));
    if (solar.toYmd() === LAST) break;
    solar = solar.next(1);
  }
  process.stdout.write(out.join('\n') + '\n');
}

main();

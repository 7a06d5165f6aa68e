// The web page as a tablet and a keyboard use it, in Chromium: touches sent
// through the DevTools protocol (puppeteer-core), keys sent as a keyboard's
// are (xdotool), so that the browser's own shortcuts come first as they do
// for a pupil. What the page shows is read from its screenshots: a region
// that changes, or comes back as it was.
// usage: node touch-test.cjs DEVTOOLS_PORT   (on the X display of run.sh)
'use strict';
const puppeteer = require('puppeteer-core');
const { execFileSync } = require('child_process');

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// Where things are on a 1024 x 768 page, where the window is at 175 %.
const DialCentre = { x: 327, y: 294 };
const Hour3 = { x: 500, y: 294 };
const Hour9 = { x: 155, y: 294 };
const Background = { x: 620, y: 420 }; // right of the dial, below the list
const MenuButton = { x: 995, y: 30 };
// The construction's buttons, below the list: the first of four and the last.
const FirstStepButton = { x: 627, y: 482 };
const LastStepButton = { x: 874, y: 482 };
const Dial = { x: 92, y: 59, width: 470, height: 470 };
const Description = { x: 92, y: 543, width: 838, height: 210 };
const List = { x: 694, y: 101, width: 114, height: 240 }; // seven rows of twelve
// The marker's place beside an hour, and a menu's place below and right of
// where it is asked for.
const besideHour = (hour) => ({ x: hour.x - 60, y: hour.y - 20, width: 120, height: 60 });
const menuAt = (point) => ({ x: point.x + 8, y: point.y + 8, width: 100, height: 40 });
const BelowMenuButton = { x: 800, y: 90, width: 200, height: 40 };
const Middle = { x: 440, y: 340, width: 140, height: 80 }; // where the help opens
const MarkerMs = 1300;
// A button's row in a dialog, its margins included, at 100 % and more.
const ButtonRowPixels = 40;
// On a phone held upright, 390 x 844, where the window is at 138 %: the
// list's third row, and the marker of 3 beside its dot.
const PhoneRow3 = { x: 40, y: 575 };
const PhoneMarkerOf3 = { x: 300, y: 200, width: 60, height: 60 };

let page;
let cdp;
let failures = 0;

// What the window shows in `clip` now. Within the viewport: a capture
// beyond it (puppeteer's default for a clip) can return the canvas as it
// was some frames before.
async function region(clip) {
  return page.screenshot({ clip, encoding: 'base64', captureBeyondViewport: false });
}

// A finger slid from `from` to `to` in ten moves, as a finger scrolls.
async function slide(from, to) {
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [from] });
  for (let step = 1; step <= 10; ++step) {
    await sleep(16);
    const at = { x: from.x + (to.x - from.x) * step / 10, y: from.y + (to.y - from.y) * step / 10 };
    await cdp.send('Input.dispatchTouchEvent', { type: 'touchMove', touchPoints: [at] });
  }
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
}

async function touch(point, holdMs, moveBy = 0) {
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [point] });
  if (moveBy) {
    await sleep(100);
    await cdp.send('Input.dispatchTouchEvent',
      { type: 'touchMove', touchPoints: [{ x: point.x + moveBy, y: point.y }] });
  }
  await sleep(holdMs);
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
}

// The colours [r, g, b] the page shows at `points`, [x, y] each.
async function pixels(points) {
  const png = await page.screenshot({ encoding: 'base64', captureBeyondViewport: false });
  return page.evaluate(async (data, at) => {
    const image = new Image();
    image.src = `data:image/png;base64,${data}`;
    await image.decode();
    const canvas = document.createElement('canvas');
    canvas.width = image.width;
    canvas.height = image.height;
    const context = canvas.getContext('2d');
    context.drawImage(image, 0, 0);
    return at.map(([x, y]) => Array.from(context.getImageData(x, y, 1, 1).data.slice(0, 3)));
  }, png, points);
}

// The rows of the page's lower half, lowest first, that hold a line of a
// frame's grey at least 40 pixels long in its right half (where a dialog's
// button stands).
async function greyEdges(width, height) {
  const png = await page.screenshot({ encoding: 'base64', captureBeyondViewport: false });
  return page.evaluate(async (data, w, h) => {
    const image = new Image();
    image.src = `data:image/png;base64,${data}`;
    await image.decode();
    const canvas = document.createElement('canvas');
    canvas.width = w;
    canvas.height = h;
    const context = canvas.getContext('2d');
    context.drawImage(image, 0, 0);
    const all = context.getImageData(0, 0, w, h).data;
    const rows = [];
    for (let y = h - 1; y >= h / 2; --y) {
      let run = 0;
      for (let x = Math.floor(w / 2); x < w && run < 40; ++x) {
        const i = 4 * (y * w + x);
        const grey = all[i] < 200 && Math.abs(all[i] - all[i + 1]) < 8 && Math.abs(all[i] - all[i + 2]) < 8;
        run = grey ? run + 1 : 0;
      }
      if (run >= 40)
        rows.push(y);
    }
    return rows;
  }, png, width, height);
}

// Every name in the page's accessibility tree, as a screen reader finds it.
async function accessibleNames() {
  const names = [];
  const walk = (node) => {
    if (node.name)
      names.push(node.name);
    (node.children || []).forEach(walk);
  };
  walk(await page.accessibility.snapshot({ interestingOnly: false }));
  return names;
}

// Waits until the tree holds a name that matches `pattern`, and tells whether it came.
async function heard(pattern, timeoutMs = 5000) {
  const end = Date.now() + timeoutMs;
  do {
    if ((await accessibleNames()).some((name) => pattern.test(name)))
      return true;
    await sleep(100);
  } while (Date.now() < end);
  console.log(`  the tree holds: ${JSON.stringify(await accessibleNames())}`);
  return false;
}

function key(name) {
  execFileSync('xdotool', ['key', name]);
}

function check(what, ok) {
  console.log(`${ok ? 'PASS' : 'FAIL'}: ${what}`);
  if (!ok)
    ++failures;
}

// Runs `act` and tells whether `clip` looks otherwise after it (given time
// to show), and whether Escape then brings it back as it was.
async function changes(clip, act, settleMs = 700) {
  const before = await region(clip);
  await act();
  await sleep(settleMs);
  const changed = (await region(clip)) !== before;
  key('Escape');
  await sleep(500);
  return { changed, restored: (await region(clip)) === before };
}

// Loaded once the line that tells of the loading is gone.
async function loaded() {
  await page.waitForFunction(() => document.getElementById('status').style.display === 'none',
    { timeout: 90000 });
  await sleep(1500);
}

async function connect(port) {
  let browser;
  for (let attempt = 0; attempt < 200 && !browser; ++attempt) {
    try {
      browser = await puppeteer.connect({ browserURL: `http://127.0.0.1:${port}`, defaultViewport: null });
    } catch {
      await sleep(100);
    }
  }
  if (!browser)
    throw new Error('Chromium did not open its DevTools port');
  for (let attempt = 0; attempt < 200 && !page; ++attempt) {
    page = (await browser.pages()).find((candidate) => candidate.url().endsWith('/ravelinta.html'));
    if (!page)
      await sleep(100);
  }
  await loaded();
  cdp = await page.createCDPSession();
  return browser;
}

async function main() {
  const browser = await connect(process.argv[2]);

  // A tap on the dial chooses the hour it points at: its marker shows.
  let shown = await changes(besideHour(Hour3), () => touch(Hour3, 80), 300);
  check('a tap on the dial shows the hour', shown.changed);
  await sleep(MarkerMs);

  // A finger held still off the dial opens the menu; a tap, a finger that
  // moves, and one held on the dial do not.
  const touches = [
    ['a long touch off the dial opens the menu', Background, 900, 0, true],
    ['a tap off the dial opens no menu', Background, 80, 0, false],
    ['a long touch that moves opens no menu', Background, 900, 40, false],
    ['a long touch on the dial opens no menu', DialCentre, 900, 0, false],
  ];
  for (const [what, point, holdMs, moveBy, opens] of touches) {
    shown = await changes(menuAt(point), () => touch(point, holdMs, moveBy));
    check(what, shown.changed === opens && shown.restored);
    await sleep(MarkerMs);
  }

  shown = await changes(BelowMenuButton, () => touch(MenuButton, 80));
  check('a tap on the menu button opens the menu', shown.changed && shown.restored);

  // A finger slid up the list scrolls it and chooses nothing; a tap chooses.
  {
    await sleep(MarkerMs); // no marker of an earlier check left on the dial
    const dialBefore = await region(Dial);
    const listBefore = await region(List);
    await slide({ x: 751, y: 300 }, { x: 751, y: 140 });
    await sleep(1500);
    const scrolled = (await region(List)) !== listBefore;
    const dialSame = (await region(Dial)) === dialBefore;
    if (!scrolled || !dialSame)
      console.log(`  the list ${scrolled ? 'scrolled' : 'did not scroll'}; the dial ${dialSame ? 'stayed' : 'changed'}`);
    check('a finger slid along the list scrolls it and shows no hour', scrolled && dialSame);
    await touch({ x: 751, y: 200 }, 80);
    await sleep(300);
    check('a tap on a row shows its hour', (await region(Dial)) !== dialBefore);
    await sleep(MarkerMs);
  }

  // The keys, from the dial: a tap gives it the keys' focus.
  await touch(Hour9, 80);
  await sleep(MarkerMs + 300);
  shown = await changes(menuAt(DialCentre), () => key('Menu'));
  check('the menu key opens the menu', shown.changed && shown.restored);
  shown = await changes(Middle, () => key('F1'));
  check('F1 opens the help', shown.changed && shown.restored);

  // The modes' keys switch them on and, pressed again, off.
  const modes = [
    ['Alt+T shows the teacher\'s view', 'alt+t', Dial],
    ['Ctrl+E starts practice', 'ctrl+e', Description],
  ];
  for (const [what, keys, clip] of modes) {
    const before = await region(clip);
    key(keys);
    await sleep(700);
    const on = (await region(clip)) !== before;
    key(keys);
    await sleep(700);
    check(what, on && (await region(clip)) === before);
  }

  // The construction: Ctrl+K shows its first step, Page Down draws the
  // next; off again, the dial is as it was.
  {
    const before = await region(Dial);
    key('ctrl+k');
    await sleep(900);
    const first = await region(Dial);
    key('Next');
    await sleep(900);
    const second = await region(Dial);
    // Its buttons: the first step, drawn as it was; the last, told.
    const tapped = async (button) => {
      await touch(button, 80);
      await sleep(700);
      return region(Dial);
    };
    const firstAgain = await tapped(FirstStepButton);
    const lastTold = await tapped(LastStepButton) !== firstAgain && await heard(/^Стъпка 7 от 7: /);
    const firstOnceMore = await tapped(FirstStepButton);
    key('ctrl+k');
    await sleep(700);
    check('Ctrl+K and Page Down step the construction',
          first !== before && second !== first && (await region(Dial)) === before);
    check('a tap on its buttons goes to the first step and to the last',
          firstAgain !== second && lastTold && firstOnceMore === firstAgain);
  }

  // What a screen reader hears: the tree names the canvas, and the page's
  // live region says what a desktop screen reader hears, as it happens.
  await page.reload();
  await loaded();
  check('the tree names the dial', await heard(/^Ravelinta: циферблат/));
  await touch(Hour3, 80);
  check('a tap at 3 o\'clock is heard', await heard(/^3 часа \(III\)$/));
  await sleep(MarkerMs + 300);
  key('ctrl+e');
  check('practice\'s first task is heard',
        await heard(/^Задача 1 от 10\. (Посочете \d+ часа?\.|Стрелката сочи под \d+°\. Колко часа показва\?)/));
  await touch(Hour9, 80);
  check('an answer and the score are heard', await heard(/^(Вярно!|Не е вярно: .*) Верни отговори: [01] от 1$/));
  key('ctrl+k');
  check('a round left half-way is heard', await heard(/^Упражнението е прекъснато на задача \d+ от 10\. Верни отговори: [01] от 1\.$/));
  check('a step\'s caption is heard', await heard(/^Стъпка 1 от 7: пергелът в центъра/));
  key('alt+t');
  check('the teacher\'s view on is heard', await heard(/^Учителският изглед е включен\.$/));
  key('alt+t');
  key('ctrl+k');
  check('the construction off is heard', await heard(/^Построяването е изключено\.$/));

  // Leaving the page asks first while a round is under way, and not after.
  const asksBeforeLeaving = async () => {
    let asked = false;
    const answer = async (dialog) => {
      asked = dialog.type() === 'beforeunload';
      await dialog.dismiss(); // stay
    };
    page.once('dialog', answer);
    await page.evaluate(() => setTimeout(() => location.reload(), 0));
    await sleep(1500);
    page.off('dialog', answer);
    return asked;
  };
  key('ctrl+e');
  await sleep(300);
  check('leaving the page during a round asks first', await asksBeforeLeaving());
  key('ctrl+e');
  await sleep(300);
  check('leaving the page with nothing under way does not ask', !(await asksBeforeLeaving()));

  // Ctrl+Q, with the keys on the dial of a page just loaded (whatever the
  // checks above left behind), leaves the page working: a tap still
  // chooses an hour.
  await page.reload();
  await loaded();
  await touch(Hour9, 80);
  await sleep(MarkerMs + 300);
  key('ctrl+q');
  await sleep(1000);
  shown = await changes(besideHour(Hour3), () => touch(Hour3, 80), 300);
  const running = await page.evaluate(() => document.getElementById('status').style.display === 'none');
  check('after Ctrl+Q the page still answers a tap', shown.changed && running);

  // The help stands wholly on the page at every size a school's screen
  // has: its own lower edge shows, below the row of its button.
  for (const [width, height] of [[1024, 768], [1366, 768], [1920, 1080]]) {
    await page.setViewport({ width, height });
    await sleep(1500);
    key('F1');
    await sleep(1000);
    const edges = await greyEdges(width, height);
    key('Escape');
    await sleep(500);
    // The help's lower edge, the lowest, then its text's, a button's row above.
    const whole = edges.length >= 2 && edges[0] - edges.find((y) => y < edges[0] - 1) >= ButtonRowPixels;
    if (!whole)
      console.log(`  at ${width} x ${height}: long grey lines at ${edges.slice(0, 6)}`);
    check(`the help is whole at ${width} x ${height}`, whole);
  }

  // On a phone held upright the window fills the page's width: the dial
  // reaches across it, and a tap on the list's third row, a fingertip
  // high, chooses 3.
  await page.setViewport({ width: 390, height: 844, isMobile: true, hasTouch: true });
  await page.reload();
  await loaded();
  const across = await pixels(Array.from({ length: 390 }, (_, x) => [x, 120])); // between the dial's dots
  const dialAcross = across.filter((pixel) => pixel[0] === 128 && pixel[1] === 128 && pixel[2] === 255).length;
  if (dialAcross < 350)
    console.log(`  the dial takes ${dialAcross} of 390 pixels across`);
  shown = await changes(PhoneMarkerOf3, () => touch(PhoneRow3, 80), 300);
  check('on a phone held upright the dial fills the width and a row is a fingertip high',
        dialAcross >= 350 && shown.changed);

  browser.disconnect();
  console.log(failures ? `${failures} check(s) failed` : 'all checks passed');
  process.exit(failures ? 1 : 0);
}

main().catch((error) => {
  console.error(error);
  process.exit(1);
});

// Measures the frames of the last level in the web page in headless Chromium (WebGL on SwiftShader, no
// GPU): a stored medal on each earlier level opens it, the go button starts it, and for ten seconds the
// page records the time between frames and the time the game's own frame function takes.
// Usage: node tools/web/frame_time.js URL PROFILE_DIR [SCREENSHOT]   (bash tools/web/test.sh --frame-time)
const puppeteer = require('puppeteer-core');
const [url, profile, shot] = process.argv.slice(2);
const W = 1280, H = 720;
const sleep = ms => new Promise(r => setTimeout(r, ms));

(async () => {
  const browser = await puppeteer.launch({ executablePath: '/usr/bin/chromium', headless: true, userDataDir: profile,
    args: ['--no-sandbox', '--use-angle=swiftshader', '--enable-unsafe-swiftshader', '--disable-background-networking',
      '--disable-component-update', '--disable-sync', '--no-first-run'] });
  const page = await browser.newPage();
  await page.setViewport({ width: W, height: H });
  const ready = () => page.waitForFunction(() => window.Module && Module.calledRun, { timeout: 60000 });
  await page.goto(url);
  await ready();
  await page.evaluate(() => new Promise(done => {
    const Save = new Int32Array(1 + 2 * 9);
    Save[0] = 9;
    for (let i = 0; i < 9; i++) Save[1 + 2 * i] = i + 1, Save[2 + 2 * i] = 1;
    FS.writeFile('/progress/savegame.dat', new Uint8Array(Save.buffer));
    FS.syncfs(false, done);
  }));
  await page.reload();
  await ready();
  await sleep(3000); // the row glides to the last level
  const goX = W / 2, goY = Math.round(H * 0.505);
  await page.mouse.move(goX, goY);
  await sleep(500);
  await page.mouse.click(goX, goY);
  await page.mouse.move(W / 2, H / 2); // away from the edges, so the view stays put
  await sleep(4000); // the slide out and the first frames of the level
  const r = await page.evaluate(() => new Promise(done => {
    const Work = [], Gaps = [];
    let Start = 0, Last = 0;
    Module.preMainLoop = () => { Start = performance.now(); };
    Module.postMainLoop = () => {
      const Now = performance.now();
      Work.push(Now - Start);
      if (Last) Gaps.push(Start - Last);
      Last = Start;
    };
    setTimeout(() => {
      Module.preMainLoop = Module.postMainLoop = null;
      const Stats = A => {
        const S = A.slice().sort((a, b) => a - b);
        return { mean: A.reduce((a, b) => a + b, 0) / A.length, median: S[S.length >> 1], p95: S[Math.floor(S.length * 0.95)] };
      };
      done({ frames: Work.length, work: Stats(Work), gap: Stats(Gaps) });
    }, 10000);
  }));
  const f = x => x.toFixed(1);
  console.log(`last level, ${W}x${H} page, headless Chromium with SwiftShader: ${r.frames} frames in 10 s`);
  console.log(`time between frames: mean ${f(r.gap.mean)} ms, median ${f(r.gap.median)} ms, 95th percentile ${f(r.gap.p95)} ms`);
  console.log(`the game's frame (update and drawing calls): mean ${f(r.work.mean)} ms, median ${f(r.work.median)} ms, 95th percentile ${f(r.work.p95)} ms`);
  if (shot) await page.screenshot({ path: shot });
  await browser.close();
})();

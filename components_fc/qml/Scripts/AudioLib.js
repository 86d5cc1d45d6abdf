// Sound playback of the editor's audio preview.
//
// The editor installs this script into a hidden page whose address is the open project's
// folder and drives it with calls such as AudioManager.playBgm({...}). Four channels play
// through the page's Web Audio context: BGM and BGS loop (between the LOOPSTART and
// LOOPLENGTH tags of the Ogg file when it has them), an ME interrupts the BGM and lets it
// resume afterwards, SEs overlap.
//
// Everything here tolerates bad input: a sound that cannot be fetched or decoded, or whose
// tags are malformed, stays silent and leaves the other channels playing. Nothing in this file
// throws out of a call the editor makes.
//
// Written without top-level function declarations: the editor runs it inside a block that
// keeps a second installation into the same page from replacing the live objects.

// ------------------------------------------------------------------------------------------
// WebAudio: one sound file, decoded once, played with volume, pitch and pan.

var WebAudio = function (url) {
    this._url = url;
    this._loadListeners = [];
    this._stopListeners = [];
    this._reset();
    this._load(url);
};

WebAudio._context = null;
WebAudio._masterGainNode = null;
WebAudio._initialized = false;
WebAudio._canPlayOgg = false;
WebAudio._canPlayM4a = false;

// A comment header larger than this is not searched for loop tags (the tags then count as
// absent); real ones are a few hundred bytes, or some megabytes with embedded cover art.
WebAudio._maxCommentBytes = 16 * 1024 * 1024;
// Digits beyond this are not a sample position any file can hold.
WebAudio._maxTagDigits = 15;

// Sets up the class once: the audio context, the codecs an audio element can play, and the
// master gain node every sound is connected to. Without a context sounds load nothing and
// play nothing. Returns whether a context exists.
WebAudio.initialize = function () {
    if (!this._initialized) {
        this._createContext();
        this._detectCodecs();
        this._createMasterGainNode();
        this._initialized = true;
    }
    return !!this._context;
};

WebAudio.canPlayOgg = function () {
    return this._canPlayOgg;
};

WebAudio.canPlayM4a = function () {
    return this._canPlayM4a;
};

WebAudio._createContext = function () {
    try {
        var Context = window.AudioContext || window.webkitAudioContext;
        this._context = Context ? new Context() : null;
    } catch (e) {
        this._context = null;
    }
};

WebAudio._detectCodecs = function () {
    try {
        var element = document.createElement("audio");
        if (element && element.canPlayType) {
            this._canPlayOgg = element.canPlayType("audio/ogg") !== "";
            this._canPlayM4a = element.canPlayType("audio/mp4") !== "";
        }
    } catch (e) {
        this._canPlayOgg = false;
        this._canPlayM4a = false;
    }
};

WebAudio._createMasterGainNode = function () {
    var context = this._context;
    if (context) {
        this._masterGainNode = context.createGain();
        this._masterGainNode.gain.value = 1;
        this._masterGainNode.connect(context.destination);
    }
};

WebAudio._currentTime = function () {
    return this._context ? this._context.currentTime : 0;
};

// A finite number, or `fallback`.
WebAudio._finite = function (value, fallback) {
    var number = Number(value);
    return isFinite(number) ? number : fallback;
};

// ---- Loop tags --------------------------------------------------------------------------------
//
// The loop region of a looping sound comes from the Vorbis comments "LOOPSTART=<samples>" and
// "LOOPLENGTH=<samples>"; the sample rate from the identification header. The comment header
// is reassembled from its segments, across pages if need be, and read by its length fields,
// so a tag split between two segments is found whole, and bytes after a value (the next
// comment's length) never run into its digits.
//
// Returns {sampleRate, loopStart, loopLength}; 0 for whatever is absent or malformed. Never
// throws; the walk stops at the first thing that is not a well-formed Ogg page.
WebAudio.readLoopTags = function (bytes) {
    var result = { sampleRate: 0, loopStart: 0, loopLength: 0 };
    try {
        WebAudio._readOggHeaders(bytes, result);
    } catch (e) {
        result.sampleRate = 0;
        result.loopStart = 0;
        result.loopLength = 0;
    }
    return result;
};

WebAudio._readOggHeaders = function (bytes, result) {
    var length = bytes.length;
    var index = 0;
    var serial = null;
    var packet = [];        // segments of the packet being assembled
    var packetBytes = 0;
    while (index + 27 <= length && WebAudio._isOggCapture(bytes, index)) {
        var pageSerial = WebAudio._readUint32(bytes, index + 14);
        var segmentCount = bytes[index + 26];
        var tableStart = index + 27;
        var bodyStart = tableStart + segmentCount;
        if (bodyStart > length) {
            return;
        }
        if (serial === null) {
            serial = pageSerial;
        }
        var position = bodyStart;
        for (var i = 0; i < segmentCount; i++) {
            var lacing = bytes[tableStart + i];
            if (position + lacing > length) {
                return;     // truncated page
            }
            if (pageSerial === serial) {
                packet.push(bytes.subarray(position, position + lacing));
                packetBytes += lacing;
                if (packetBytes > WebAudio._maxCommentBytes) {
                    return;
                }
                if (lacing < 255) {
                    var done = WebAudio._readHeaderPacket(WebAudio._joinSegments(packet, packetBytes),
                                                          result);
                    packet = [];
                    packetBytes = 0;
                    if (done) {
                        return;
                    }
                }
            }
            position += lacing;
        }
        index = position;
    }
};

WebAudio._isOggCapture = function (bytes, index) {
    return bytes[index] === 0x4f && bytes[index + 1] === 0x67 && bytes[index + 2] === 0x67 &&
           bytes[index + 3] === 0x53;
};

WebAudio._readUint32 = function (bytes, index) {
    return (bytes[index] | (bytes[index + 1] << 8) | (bytes[index + 2] << 16)) +
           bytes[index + 3] * 0x1000000;
};

WebAudio._joinSegments = function (segments, total) {
    if (segments.length === 1) {
        return segments[0];
    }
    var joined = new Uint8Array(total);
    var offset = 0;
    for (var i = 0; i < segments.length; i++) {
        joined.set(segments[i], offset);
        offset += segments[i].length;
    }
    return joined;
};

// Reads one complete packet. Returns true when the walk is over: the comment header has been
// read, or the packet is not a Vorbis header (audio data follows the headers).
WebAudio._readHeaderPacket = function (packet, result) {
    if (packet.length < 7 || !WebAudio._isVorbisHeader(packet)) {
        return true;
    }
    var type = packet[0];
    if (type === 1) {
        if (packet.length >= 16) {
            result.sampleRate = WebAudio._readUint32(packet, 12);
        }
        return false;
    }
    if (type === 3) {
        WebAudio._readComments(packet, result);
        return true;
    }
    return false;
};

WebAudio._isVorbisHeader = function (packet) {
    // "vorbis" after the packet type byte
    return packet[1] === 0x76 && packet[2] === 0x6f && packet[3] === 0x72 &&
           packet[4] === 0x62 && packet[5] === 0x69 && packet[6] === 0x73;
};

// The comment header: vendor string, then a count of comments, each a 32-bit length and that
// many bytes of "NAME=value". A length running past the packet ends the reading; the tags
// found before it stay.
WebAudio._readComments = function (packet, result) {
    var index = 7;
    var end = packet.length;
    if (index + 4 > end) {
        return;
    }
    var vendorLength = WebAudio._readUint32(packet, index);
    index += 4 + vendorLength;
    if (index + 4 > end) {
        return;
    }
    var count = WebAudio._readUint32(packet, index);
    index += 4;
    var loopStart = null;
    var loopLength = null;
    for (var i = 0; i < count && index + 4 <= end; i++) {
        var commentLength = WebAudio._readUint32(packet, index);
        index += 4;
        if (commentLength > end - index) {
            break;
        }
        var value = WebAudio._loopTagValue(packet, index, commentLength, "LOOPSTART=");
        if (value !== null) {
            loopStart = value;
        }
        value = WebAudio._loopTagValue(packet, index, commentLength, "LOOPLENGTH=");
        if (value !== null) {
            loopLength = value;
        }
        index += commentLength;
    }
    if (loopStart !== null) {
        result.loopStart = loopStart;
    }
    if (loopLength !== null) {
        result.loopLength = loopLength;
    }
};

// The number after `prefix` (compared without case, as comment names are) when the comment is
// exactly the prefix followed by decimal digits; null otherwise.
WebAudio._loopTagValue = function (bytes, start, length, prefix) {
    var digits = length - prefix.length;
    if (digits < 1 || digits > WebAudio._maxTagDigits) {
        return null;
    }
    for (var i = 0; i < prefix.length; i++) {
        var c = bytes[start + i];
        if (c >= 0x61 && c <= 0x7a) {
            c -= 0x20;
        }
        if (c !== prefix.charCodeAt(i)) {
            return null;
        }
    }
    var value = 0;
    for (var j = start + prefix.length; j < start + length; j++) {
        var d = bytes[j] - 0x30;
        if (d < 0 || d > 9) {
            return null;
        }
        value = value * 10 + d;
    }
    return value;
};

// The loop region in seconds of a decoded sound: the tagged region when both tags and the
// sample rate were found and the region starts inside the sound (its end is held to the end of
// the sound, as the audio nodes would hold it); otherwise the whole sound.
WebAudio.loopRegion = function (tags, totalTime) {
    var rate = tags.sampleRate;
    if (rate > 0 && tags.loopLength > 0 && totalTime > 0) {
        var start = tags.loopStart / rate;
        var end = Math.min(totalTime, (tags.loopStart + tags.loopLength) / rate);
        if (start < end) {
            return { start: start, length: end - start };
        }
    }
    return { start: 0, length: Math.max(0, totalTime) };
};

// ---- One sound ---------------------------------------------------------------------------------

WebAudio.prototype._reset = function () {
    this._buffer = null;
    this._sourceNode = null;
    this._gainNode = null;
    this._pannerNode = null;
    this._totalTime = 0;
    this._sampleRate = 0;
    this._loopStart = 0;
    this._loopLength = 0;
    this._startTime = 0;
    this._volume = 1;
    this._pitch = 1;
    this._pan = 0;
    this._loop = false;
    this._endTimer = null;
    this._hasError = false;
    this._autoPlay = false;
    this._autoPlayOffset = 0;
    this._waitingForData = false;
    this._pendingFadeIn = 0;
};

Object.defineProperty(WebAudio.prototype, "url", {
    get: function () { return this._url; },
    configurable: true
});

// Gain, 1 = full. Acts at once on a playing sound (and ends a fade in progress).
Object.defineProperty(WebAudio.prototype, "volume", {
    get: function () { return this._volume; },
    set: function (value) {
        this._volume = Math.max(0, WebAudio._finite(value, 1));
        if (this._gainNode) {
            this._setGainNow(this._volume);
        }
    },
    configurable: true
});

// Playback rate, 1 = normal. A different rate restarts a playing sound from its beginning.
Object.defineProperty(WebAudio.prototype, "pitch", {
    get: function () { return this._pitch; },
    set: function (value) {
        var pitch = WebAudio._finite(value, 1);
        if (pitch <= 0) {
            pitch = 1;
        }
        if (this._pitch !== pitch) {
            this._pitch = pitch;
            if (this.isPlaying()) {
                this.play(this._loop, 0);
            }
        }
    },
    configurable: true
});

// -1 (left) to 1 (right). Acts at once on a playing sound.
Object.defineProperty(WebAudio.prototype, "pan", {
    get: function () { return this._pan; },
    set: function (value) {
        this._pan = Math.max(-1, Math.min(1, WebAudio._finite(value, 0)));
        this._updatePanner();
    },
    configurable: true
});

WebAudio.prototype.isReady = function () {
    return !!this._buffer;
};

WebAudio.prototype.isError = function () {
    return this._hasError;
};

WebAudio.prototype.isPlaying = function () {
    return !!this._sourceNode;
};

// Neither playing nor waiting for its data to start.
WebAudio.prototype.isFinished = function () {
    return !this._sourceNode && !this._autoPlay;
};

// Plays from `offset` seconds, looping through the loop region when `loop` is true. A sound
// still loading starts when its data arrives (from the offset of the last request), unless it
// is stopped before.
WebAudio.prototype.play = function (loop, offset) {
    this._loop = !!loop;
    offset = Math.max(0, WebAudio._finite(offset, 0));
    if (this.isReady()) {
        this._startPlaying(offset);
    } else if (this._hasError || !WebAudio._context) {
        this._endUnplayable();
    } else {
        this._autoPlay = true;
        this._autoPlayOffset = offset;
        if (!this._waitingForData) {
            this._waitingForData = true;
            var self = this;
            this.addLoadListener(function () {
                self._waitingForData = false;
                if (self._autoPlay) {
                    self._autoPlay = false;
                    self._startPlaying(self._autoPlayOffset);
                    if (self._pendingFadeIn > 0) {
                        self.fadeIn(self._pendingFadeIn);
                    }
                }
                self._pendingFadeIn = 0;
            });
        }
    }
};

WebAudio.prototype.stop = function () {
    this._autoPlay = false;
    this._pendingFadeIn = 0;
    this._removeEndTimer();
    this._removeNodes();
    var listeners = this._stopListeners;
    this._stopListeners = [];
    for (var i = 0; i < listeners.length; i++) {
        try {
            listeners[i]();
        } catch (e) {
            // one listener's failure must not keep the others from running
        }
    }
};

// The gain ramps from the current volume to 0 over `duration` seconds; the sound keeps
// running silently. A sound waiting for its data will not start.
WebAudio.prototype.fadeOut = function (duration) {
    if (this._gainNode) {
        this._rampGain(this._volume, 0, duration);
    }
    this._autoPlay = false;
    this._pendingFadeIn = 0;
};

// The gain ramps from 0 to the volume over `duration` seconds (once the sound has started,
// when it is still waiting for its data).
WebAudio.prototype.fadeIn = function (duration) {
    if (this.isReady()) {
        if (this._gainNode) {
            this._rampGain(0, this._volume, duration);
        }
    } else if (this._autoPlay) {
        this._pendingFadeIn = Math.max(0, WebAudio._finite(duration, 0));
    }
};

// The position in seconds: time since the start times the rate, wrapped into the loop region
// once past its end. 0 for a sound that is not playing.
WebAudio.prototype.seek = function () {
    if (!WebAudio._context || !this._sourceNode) {
        return 0;
    }
    var position = (WebAudio._context.currentTime - this._startTime) * this._pitch;
    var loopEnd = this._loopStart + this._loopLength;
    if (this._loopLength > 0 && position >= loopEnd) {
        position = this._loopStart + (position - this._loopStart) % this._loopLength;
    }
    return position;
};

WebAudio.prototype.addLoadListener = function (listener) {
    this._loadListeners.push(listener);
};

WebAudio.prototype.addStopListener = function (listener) {
    this._stopListeners.push(listener);
};

WebAudio.prototype._load = function (url) {
    if (!WebAudio._context) {
        this._hasError = true;
        return;
    }
    var self = this;
    try {
        var xhr = new XMLHttpRequest();
        xhr.open("GET", url);
        xhr.responseType = "arraybuffer";
        xhr.onload = function () {
            // Pages read from the local disk report status 0.
            if (xhr.status < 400) {
                self._onXhrLoad(xhr.response);
            } else {
                self._onLoadError();
            }
        };
        xhr.onerror = function () {
            self._onLoadError();
        };
        xhr.send();
    } catch (e) {
        this._onLoadError();
    }
};

WebAudio.prototype._onXhrLoad = function (data) {
    if (!(data instanceof ArrayBuffer) || data.byteLength === 0) {
        this._onLoadError();
        return;
    }
    var tags = WebAudio.readLoopTags(new Uint8Array(data));
    this._sampleRate = tags.sampleRate;
    var self = this;
    try {
        var decoding = WebAudio._context.decodeAudioData(data, function (buffer) {
            self._onDecode(buffer, tags);
        }, function () {
            self._onLoadError();
        });
        if (decoding && typeof decoding.catch === "function") {
            // the error callback above has already dealt with the failure
            decoding.catch(function () {});
        }
    } catch (e) {
        this._onLoadError();
    }
};

WebAudio.prototype._onDecode = function (buffer, tags) {
    if (!buffer || !(buffer.duration > 0)) {
        this._onLoadError();
        return;
    }
    this._buffer = buffer;
    this._totalTime = buffer.duration;
    var region = WebAudio.loopRegion(tags, this._totalTime);
    this._loopStart = region.start;
    this._loopLength = region.length;
    var listeners = this._loadListeners;
    this._loadListeners = [];
    for (var i = 0; i < listeners.length; i++) {
        listeners[i]();
    }
};

WebAudio.prototype._onLoadError = function () {
    if (this._hasError) {
        return;
    }
    this._hasError = true;
    this._loadListeners = [];
    if (this._autoPlay) {
        this._endUnplayable();
    }
};

// A sound that cannot be played ends at once, so that what waits for its end (a BGM held by
// an ME) goes on.
WebAudio.prototype._endUnplayable = function () {
    this.stop();
};

WebAudio.prototype._startPlaying = function (offset) {
    var context = WebAudio._context;
    this._removeEndTimer();
    this._removeNodes();

    var source = context.createBufferSource();
    source.buffer = this._buffer;
    source.loop = this._loop;
    source.loopStart = this._loopStart;
    source.loopEnd = this._loopStart + this._loopLength;
    source.playbackRate.value = this._pitch;

    var gain = context.createGain();
    gain.gain.value = this._volume;

    var panner = context.createPanner();
    panner.panningModel = "equalpower";

    source.connect(gain);
    gain.connect(panner);
    panner.connect(WebAudio._masterGainNode);

    this._sourceNode = source;
    this._gainNode = gain;
    this._pannerNode = panner;
    this._updatePanner();

    source.start(0, Math.min(offset, this._totalTime));
    this._startTime = context.currentTime - offset / this._pitch;
    this._createEndTimer(offset);
};

WebAudio.prototype._createEndTimer = function (offset) {
    if (this._loop) {
        return;
    }
    var remaining = Math.max(0, this._totalTime - offset) / this._pitch;
    var self = this;
    this._endTimer = setTimeout(function () {
        self._endTimer = null;
        self.stop();
    }, remaining * 1000);
};

WebAudio.prototype._removeEndTimer = function () {
    if (this._endTimer !== null) {
        clearTimeout(this._endTimer);
        this._endTimer = null;
    }
};

WebAudio.prototype._removeNodes = function () {
    if (this._sourceNode) {
        try {
            this._sourceNode.stop(0);
        } catch (e) {
            // already stopped
        }
        this._sourceNode.disconnect();
    }
    if (this._gainNode) {
        this._gainNode.disconnect();
    }
    if (this._pannerNode) {
        this._pannerNode.disconnect();
    }
    this._sourceNode = null;
    this._gainNode = null;
    this._pannerNode = null;
};

WebAudio.prototype._setGainNow = function (value) {
    var gain = this._gainNode.gain;
    gain.cancelScheduledValues(0);
    gain.value = value;
};

WebAudio.prototype._rampGain = function (from, to, duration) {
    var seconds = Math.max(0, WebAudio._finite(duration, 0));
    if (seconds === 0) {
        this._setGainNow(to);
        return;
    }
    var gain = this._gainNode.gain;
    var now = WebAudio._context.currentTime;
    gain.cancelScheduledValues(0);
    gain.value = from;
    gain.setValueAtTime(from, now);
    gain.linearRampToValueAtTime(to, now + seconds);
};

// An equal-power panner placed at x = pan on the unit circle in front of the listener.
WebAudio.prototype._updatePanner = function () {
    var panner = this._pannerNode;
    if (!panner) {
        return;
    }
    var x = this._pan;
    var z = 1 - Math.abs(x);
    if (panner.positionX) {
        panner.positionX.value = x;
        panner.positionY.value = 0;
        panner.positionZ.value = z;
    } else {
        panner.setPosition(x, 0, z);
    }
};

// ------------------------------------------------------------------------------------------
// AudioManager: the four channels.

var AudioManager = {
    _bgmVolume: 100,
    _bgsVolume: 100,
    _meVolume: 100,
    _seVolume: 100,
    _currentBgm: null,
    _currentBgs: null,
    _bgmBuffer: null,
    _bgsBuffer: null,
    _meBuffer: null,
    _seBuffers: [],
    _replayFadeTime: 0.5,
    _path: "audio/"
};

// A clean copy of an audio object from the editor: {name, volume, pitch, pan}, with the
// defaults for anything missing or not a number.
AudioManager._audioObject = function (audio) {
    audio = audio || {};
    var name = audio.name === undefined || audio.name === null ? "" : String(audio.name);
    return {
        name: name,
        volume: WebAudio._finite(audio.volume, 100),
        pitch: WebAudio._finite(audio.pitch, 100),
        pan: WebAudio._finite(audio.pan, 0)
    };
};

AudioManager.playBgm = function (bgm, pos) {
    bgm = this._audioObject(bgm);
    if (this.isCurrentBgm(bgm)) {
        this.updateBgmParameters(bgm);
    } else {
        this.stopBgm();
        if (bgm.name) {
            this._bgmBuffer = this.createBuffer("bgm", bgm.name);
            this.updateBgmParameters(bgm);
            if (!this._meBuffer) {
                this._bgmBuffer.play(true, pos || 0);
            }
        }
    }
    this.updateCurrentBgm(bgm, pos);
};

AudioManager.stopBgm = function () {
    if (this._bgmBuffer) {
        this._bgmBuffer.stop();
        this._bgmBuffer = null;
        this._currentBgm = null;
    }
};

AudioManager.fadeOutBgm = function (duration) {
    if (this._bgmBuffer && this._currentBgm) {
        this._bgmBuffer.fadeOut(duration);
        this._currentBgm = null;
    }
};

AudioManager.isCurrentBgm = function (bgm) {
    return !!(this._currentBgm && this._bgmBuffer && this._currentBgm.name === bgm.name);
};

AudioManager.updateBgmParameters = function (bgm) {
    this.updateBufferParameters(this._bgmBuffer, this._bgmVolume, bgm);
};

AudioManager.updateCurrentBgm = function (bgm, pos) {
    this._currentBgm = {
        name: bgm.name,
        volume: bgm.volume,
        pitch: bgm.pitch,
        pan: bgm.pan,
        pos: WebAudio._finite(pos, 0)
    };
};

AudioManager.playBgs = function (bgs, pos) {
    bgs = this._audioObject(bgs);
    if (this.isCurrentBgs(bgs)) {
        this.updateBgsParameters(bgs);
    } else {
        this.stopBgs();
        if (bgs.name) {
            this._bgsBuffer = this.createBuffer("bgs", bgs.name);
            this.updateBgsParameters(bgs);
            this._bgsBuffer.play(true, pos || 0);
        }
    }
    this.updateCurrentBgs(bgs, pos);
};

AudioManager.stopBgs = function () {
    if (this._bgsBuffer) {
        this._bgsBuffer.stop();
        this._bgsBuffer = null;
        this._currentBgs = null;
    }
};

AudioManager.fadeOutBgs = function (duration) {
    if (this._bgsBuffer && this._currentBgs) {
        this._bgsBuffer.fadeOut(duration);
        this._currentBgs = null;
    }
};

AudioManager.isCurrentBgs = function (bgs) {
    return !!(this._currentBgs && this._bgsBuffer && this._currentBgs.name === bgs.name);
};

AudioManager.updateBgsParameters = function (bgs) {
    this.updateBufferParameters(this._bgsBuffer, this._bgsVolume, bgs);
};

AudioManager.updateCurrentBgs = function (bgs, pos) {
    this._currentBgs = {
        name: bgs.name,
        volume: bgs.volume,
        pitch: bgs.pitch,
        pan: bgs.pan,
        pos: WebAudio._finite(pos, 0)
    };
};

AudioManager.playMe = function (me) {
    me = this._audioObject(me);
    this.stopMe();
    if (me.name) {
        if (this._bgmBuffer && this._currentBgm) {
            this._currentBgm.pos = this._bgmBuffer.seek();
            this._bgmBuffer.stop();
        }
        var buffer = this.createBuffer("me", me.name);
        this._meBuffer = buffer;
        this.updateMeParameters(me);
        var self = this;
        buffer.addStopListener(function () {
            // only the ME still current ends the interruption
            if (self._meBuffer === buffer) {
                self.stopMe();
            }
        });
        buffer.play(false);
    }
};

// Stops the ME; a BGM it interrupted resumes where it was, fading in.
AudioManager.stopMe = function () {
    var buffer = this._meBuffer;
    if (!buffer) {
        return;
    }
    this._meBuffer = null;
    buffer.stop();
    if (this._bgmBuffer && this._currentBgm && !this._bgmBuffer.isPlaying()) {
        this._bgmBuffer.play(true, this._currentBgm.pos);
        this._bgmBuffer.fadeIn(this._replayFadeTime);
    }
};

AudioManager.fadeOutMe = function (duration) {
    if (this._meBuffer) {
        this._meBuffer.fadeOut(duration);
    }
};

AudioManager.updateMeParameters = function (me) {
    this.updateBufferParameters(this._meBuffer, this._meVolume, me);
};

AudioManager.playSe = function (se) {
    se = this._audioObject(se);
    if (se.name) {
        // Sounds still loading stay in the list, so that stopSe reaches them too.
        this._seBuffers = this._seBuffers.filter(function (audio) {
            return !audio.isFinished();
        });
        var buffer = this.createBuffer("se", se.name);
        this.updateSeParameters(buffer, se);
        buffer.play(false);
        this._seBuffers.push(buffer);
    }
};

AudioManager.stopSe = function () {
    var buffers = this._seBuffers;
    this._seBuffers = [];
    buffers.forEach(function (buffer) {
        buffer.stop();
    });
};

AudioManager.fadeOutSe = function (duration) {
    this._seBuffers.forEach(function (buffer) {
        buffer.fadeOut(duration);
    });
};

AudioManager.updateSeParameters = function (buffer, se) {
    this.updateBufferParameters(buffer, this._seVolume, se);
};

AudioManager.stopAll = function () {
    this.stopMe();
    this.stopBgm();
    this.stopBgs();
    this.stopSe();
};

// Gain = channel volume x audio volume / 10000, rate = pitch / 100, pan = pan / 100.
AudioManager.updateBufferParameters = function (buffer, configVolume, audio) {
    if (buffer && audio) {
        buffer.volume = configVolume * WebAudio._finite(audio.volume, 100) / 10000;
        buffer.pitch = WebAudio._finite(audio.pitch, 100) / 100;
        buffer.pan = WebAudio._finite(audio.pan, 0) / 100;
    }
};

AudioManager.audioFileExt = function () {
    if (WebAudio.canPlayOgg() || !WebAudio.canPlayM4a()) {
        return ".ogg";
    }
    return ".m4a";
};

// This page plays through Web Audio only.
AudioManager.shouldUseHtml5Audio = function () {
    return false;
};

AudioManager.createBuffer = function (folder, name) {
    var ext = this.audioFileExt();
    var url = this._path + folder + "/" + encodeURIComponent(name) + ext;
    return new WebAudio(url);
};

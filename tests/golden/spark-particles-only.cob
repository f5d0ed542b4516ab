Caligari V00.01ALH             
Grou V0.01 Id 1000007 Parent 0 Size -1
Name Burstkin
center 0 0 0
x axis 1 0 0
y axis 0 1 0
z axis 0 0 1
Transform
1 0 0 0
0 1 0 0
0 0 1 0
0 0 0 1
PolH V0.02 Id 1000008 Parent 1000007 Size -1
Name Bk,2
center 0.0833333 0.0833333 0.133333
x axis 1 0 0
y axis 0 1 0
z axis 0 0 1
Transform
1 0 0 0
0 1 0 0
0 0 1 0
0 0 0 1
World Vertices 3
0.250000 0.000000 0.000000
0.000000 0.000000 0.400000
0.000000 0.250000 0.000000
Texture Vertices 1
0.500000 0.500000
Faces 1
Face verts 3 flags 0 mat 0
<0,0> <1,0> <2,0> 
Mat1 V0.05 Id 1000010 Parent 1000008 Size -1
mat# 0
shader: metal  facet: faceted
rgb 1.000000,0.850000,0.300000
alpha 1.00  ka 0.60  ks 0.90  exp 0.20  ior 1.00
environment: sparkle.bmp
flags 1
Unit V0.01 Id 1000009 Parent 1000008 Size -1
Units 2
Chan V0.04 Id 1000011 Parent 1000008 Size -1
Name Global
type 2
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 1.000000 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 0.600000 0.217231 -0.359923 -0.239875
Chan V0.04 Id 1000040 Parent 1000008 Size -1
Name Global
type 3
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.104310 0.197045 0.289748
PolH V0.02 Id 1000012 Parent 1000007 Size -1
Name Bk,3
center -0.083333 0.083333 0.133333
x axis 1.000000 0.000000 0.000000
y axis 0.000000 1.000000 0.000000
z axis 0.000000 0.000000 1.000000
Transform
1.000000 0.000000 0.000000 0.000000
0.000000 1.000000 0.000000 0.000000
0.000000 0.000000 1.000000 0.000000
0 0 0 1
World Vertices 3
0.000000 0.250000 0.000000
0.000000 0.000000 0.400000
-0.250000 0.000000 0.000000
Texture Vertices 1
0.500000 0.500000
Faces 1
Face verts 3 flags 0 mat 0
<0,0> <1,0> <2,0> 
Mat1 V0.05 Id 1000014 Parent 1000012 Size -1
mat# 0
shader: metal  facet: faceted
rgb 1.000000,0.850000,0.300000
alpha 1.00  ka 0.60  ks 0.90  exp 0.20  ior 1.00
environment: sparkle.bmp
flags 1
Unit V0.01 Id 1000013 Parent 1000012 Size -1
Units 2
Chan V0.04 Id 1000015 Parent 1000012 Size -1
Name Global
type 2
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 1.000000 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 0.600000 -0.223591 0.067837 0.344114
Chan V0.04 Id 1000041 Parent 1000012 Size -1
Name Global
type 3
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 position -0.150548 0.188191 0.221117
PolH V0.02 Id 1000016 Parent 1000007 Size -1
Name Bk,4
center -0.083333 -0.083333 0.133333
x axis 1.000000 0.000000 0.000000
y axis 0.000000 1.000000 0.000000
z axis 0.000000 0.000000 1.000000
Transform
1.000000 0.000000 0.000000 0.000000
0.000000 1.000000 0.000000 0.000000
0.000000 0.000000 1.000000 0.000000
0 0 0 1
World Vertices 3
-0.250000 0.000000 0.000000
0.000000 0.000000 0.400000
0.000000 -0.250000 0.000000
Texture Vertices 1
0.500000 0.500000
Faces 1
Face verts 3 flags 0 mat 0
<0,0> <1,0> <2,0> 
Mat1 V0.05 Id 1000018 Parent 1000016 Size -1
mat# 0
shader: metal  facet: faceted
rgb 1.000000,0.850000,0.300000
alpha 1.00  ka 0.60  ks 0.90  exp 0.20  ior 1.00
environment: sparkle.bmp
flags 1
Unit V0.01 Id 1000017 Parent 1000016 Size -1
Units 2
Chan V0.04 Id 1000019 Parent 1000016 Size -1
Name Global
type 2
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 1.000000 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 0.600000 0.217646 0.363939 0.370702
Chan V0.04 Id 1000042 Parent 1000016 Size -1
Name Global
type 3
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 position -0.144388 -0.106093 0.330210
PolH V0.02 Id 1000020 Parent 1000007 Size -1
Name Bk,5
center 0.083333 -0.083333 0.133333
x axis 1.000000 0.000000 0.000000
y axis 0.000000 1.000000 0.000000
z axis 0.000000 0.000000 1.000000
Transform
1.000000 0.000000 0.000000 0.000000
0.000000 1.000000 0.000000 0.000000
0.000000 0.000000 1.000000 0.000000
0 0 0 1
World Vertices 3
0.000000 -0.250000 0.000000
0.000000 0.000000 0.400000
0.250000 0.000000 0.000000
Texture Vertices 1
0.500000 0.500000
Faces 1
Face verts 3 flags 0 mat 0
<0,0> <1,0> <2,0> 
Mat1 V0.05 Id 1000022 Parent 1000020 Size -1
mat# 0
shader: metal  facet: faceted
rgb 1.000000,0.850000,0.300000
alpha 1.00  ka 0.60  ks 0.90  exp 0.20  ior 1.00
environment: sparkle.bmp
flags 1
Unit V0.01 Id 1000021 Parent 1000020 Size -1
Units 2
Chan V0.04 Id 1000023 Parent 1000020 Size -1
Name Global
type 2
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 1.000000 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 0.600000 0.367260 0.230927 0.087490
Chan V0.04 Id 1000043 Parent 1000020 Size -1
Name Global
type 3
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.125333 -0.196234 0.222816
PolH V0.02 Id 1000024 Parent 1000007 Size -1
Name Bk,6
center 0.083333 0.083333 -0.133333
x axis 1.000000 0.000000 0.000000
y axis 0.000000 1.000000 0.000000
z axis 0.000000 0.000000 1.000000
Transform
1.000000 0.000000 0.000000 0.000000
0.000000 1.000000 0.000000 0.000000
0.000000 0.000000 1.000000 0.000000
0 0 0 1
World Vertices 3
0.000000 0.250000 0.000000
0.000000 0.000000 -0.400000
0.250000 0.000000 0.000000
Texture Vertices 1
0.500000 0.500000
Faces 1
Face verts 3 flags 0 mat 0
<0,0> <1,0> <2,0> 
Mat1 V0.05 Id 1000026 Parent 1000024 Size -1
mat# 0
shader: metal  facet: faceted
rgb 1.000000,0.850000,0.300000
alpha 1.00  ka 0.60  ks 0.90  exp 0.20  ior 1.00
environment: sparkle.bmp
flags 1
Unit V0.01 Id 1000025 Parent 1000024 Size -1
Units 2
Chan V0.04 Id 1000027 Parent 1000024 Size -1
Name Global
type 2
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 1.000000 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 0.600000 -0.029591 0.362694 -0.091702
Chan V0.04 Id 1000044 Parent 1000024 Size -1
Name Global
type 3
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.151518 0.178683 -0.196992
PolH V0.02 Id 1000028 Parent 1000007 Size -1
Name Bk,7
center -0.083333 0.083333 -0.133333
x axis 1.000000 0.000000 0.000000
y axis 0.000000 1.000000 0.000000
z axis 0.000000 0.000000 1.000000
Transform
1.000000 0.000000 0.000000 0.000000
0.000000 1.000000 0.000000 0.000000
0.000000 0.000000 1.000000 0.000000
0 0 0 1
World Vertices 3
-0.250000 0.000000 0.000000
0.000000 0.000000 -0.400000
0.000000 0.250000 0.000000
Texture Vertices 1
0.500000 0.500000
Faces 1
Face verts 3 flags 0 mat 0
<0,0> <1,0> <2,0> 
Mat1 V0.05 Id 1000030 Parent 1000028 Size -1
mat# 0
shader: metal  facet: faceted
rgb 1.000000,0.850000,0.300000
alpha 1.00  ka 0.60  ks 0.90  exp 0.20  ior 1.00
environment: sparkle.bmp
flags 1
Unit V0.01 Id 1000029 Parent 1000028 Size -1
Units 2
Chan V0.04 Id 1000031 Parent 1000028 Size -1
Name Global
type 2
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 1.000000 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 0.600000 0.054799 0.239253 -0.226911
Chan V0.04 Id 1000045 Parent 1000028 Size -1
Name Global
type 3
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 position -0.131023 0.136259 -0.312657
PolH V0.02 Id 1000032 Parent 1000007 Size -1
Name Bk,8
center -0.083333 -0.083333 -0.133333
x axis 1.000000 0.000000 0.000000
y axis 0.000000 1.000000 0.000000
z axis 0.000000 0.000000 1.000000
Transform
1.000000 0.000000 0.000000 0.000000
0.000000 1.000000 0.000000 0.000000
0.000000 0.000000 1.000000 0.000000
0 0 0 1
World Vertices 3
0.000000 -0.250000 0.000000
0.000000 0.000000 -0.400000
-0.250000 0.000000 0.000000
Texture Vertices 1
0.500000 0.500000
Faces 1
Face verts 3 flags 0 mat 0
<0,0> <1,0> <2,0> 
Mat1 V0.05 Id 1000034 Parent 1000032 Size -1
mat# 0
shader: metal  facet: faceted
rgb 1.000000,0.850000,0.300000
alpha 1.00  ka 0.60  ks 0.90  exp 0.20  ior 1.00
environment: sparkle.bmp
flags 1
Unit V0.01 Id 1000033 Parent 1000032 Size -1
Units 2
Chan V0.04 Id 1000035 Parent 1000032 Size -1
Name Global
type 2
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 1.000000 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 0.600000 0.230976 -0.340269 -0.097366
Chan V0.04 Id 1000046 Parent 1000032 Size -1
Name Global
type 3
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 position -0.192298 -0.127094 -0.276605
PolH V0.02 Id 1000036 Parent 1000007 Size -1
Name Bk,9
center 0.083333 -0.083333 -0.133333
x axis 1.000000 0.000000 0.000000
y axis 0.000000 1.000000 0.000000
z axis 0.000000 0.000000 1.000000
Transform
1.000000 0.000000 0.000000 0.000000
0.000000 1.000000 0.000000 0.000000
0.000000 0.000000 1.000000 0.000000
0 0 0 1
World Vertices 3
0.250000 0.000000 0.000000
0.000000 0.000000 -0.400000
0.000000 -0.250000 0.000000
Texture Vertices 1
0.500000 0.500000
Faces 1
Face verts 3 flags 0 mat 0
<0,0> <1,0> <2,0> 
Mat1 V0.05 Id 1000038 Parent 1000036 Size -1
mat# 0
shader: metal  facet: faceted
rgb 1.000000,0.850000,0.300000
alpha 1.00  ka 0.60  ks 0.90  exp 0.20  ior 1.00
environment: sparkle.bmp
flags 1
Unit V0.01 Id 1000037 Parent 1000036 Size -1
Units 2
Chan V0.04 Id 1000039 Parent 1000036 Size -1
Name Global
type 2
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 1.000000 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 0.600000 -0.262606 0.220600 0.208490
Chan V0.04 Id 1000047 Parent 1000036 Size -1
Name Global
type 3
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.109425 -0.135995 -0.185736
END  V1.00 Id 0 Parent 0 Size        0
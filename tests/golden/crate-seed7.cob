Caligari V00.01ALH             
Grou V0.01 Id 1000006 Parent 0 Size -1
Name Burstkin
center 1.5 -0.5 0.5
x axis 1 0 0
y axis 0 1 0
z axis 0 0 1
Transform
1 0 0 0
0 1 0 0
0 0 1 0
0 0 0 1
PolH V0.02 Id 1000007 Parent 1000006 Size -1
Name Bk,2
center 1.6 -0.6 0.5
x axis 1 0 0
y axis 0 1 0
z axis 0 0 1
Transform
1 0 0 0
0 1 0 0
0 0 1 0
0 0 0 1
World Vertices 15
2.000000 -1.000000 0.000000
1.500000 -1.000000 0.000000
1.500000 -1.000000 0.500000
2.000000 -1.000000 0.500000
1.000000 -1.000000 0.000000
1.000000 -1.000000 0.500000
1.500000 -1.000000 1.000000
2.000000 -1.000000 1.000000
1.000000 -1.000000 1.000000
2.000000 0.000000 0.000000
2.000000 0.000000 0.500000
1.500000 0.000000 0.500000
1.500000 0.000000 0.000000
2.000000 0.000000 1.000000
1.500000 0.000000 1.000000
Texture Vertices 4
0.000000 0.000000
0.000000 1.000000
1.000000 1.000000
1.000000 0.000000
Faces 6
Face verts 4 flags 0 mat 1
<0,0> <1,1> <2,2> <3,3> 
Face verts 4 flags 0 mat 1
<1,0> <4,1> <5,2> <2,3> 
Face verts 4 flags 0 mat 1
<3,0> <2,1> <6,2> <7,3> 
Face verts 4 flags 0 mat 1
<2,0> <5,1> <8,2> <6,3> 
Face verts 4 flags 0 mat 1
<9,0> <10,1> <11,2> <12,3> 
Face verts 4 flags 0 mat 1
<10,0> <13,1> <14,2> <11,3> 
Mat1 V0.05 Id 1000009 Parent 1000007 Size -1
mat# 0
shader: phong  facet: auto40
rgb 0.800000,0.700000,0.550000
alpha 1.00  ka 0.10  ks 0.50  exp 0.00  ior 1.00
texture: crate_planks.bmp
offset 0.00,0.00 repeats 2.00,2.00 flags 0
PrTx V0.01 Id 1000010 Parent 1000007 Size -1
mat# 1
shader: phong  facet: auto40
rgb 0.760000,0.600000,0.420000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
wood:
springrgba 0.800000,0.600000,0.400000,1.000000  summerrgba 0.500000,0.300000,0.150000,1.000000
ldratio 0.50  rdensity 8.00  rwidthvar 0.20  rshapevar 0.30
center 0.00,0.00,0.00scale 1.00,1.00,4.00
grain 2  seed 17
PrTx V0.01 Id 1000011 Parent 1000007 Size -1
mat# 2
shader: phong  facet: auto40
rgb 0.500000,0.500000,0.500000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
granite:
rgba1 0.200000,0.200000,0.200000,1.000000  rgba2 0.500000,0.450000,0.400000,1.000000
rgba3 0.750000,0.700000,0.650000,1.000000  rgba4 0.950000,0.950000,0.950000,1.000000
amount1 0.40  amount2 0.30  amount3 0.20  amount4 0.10
sharpness 0.50  scale 1.00,1.00,1.00  seed 4711.00
Unit V0.01 Id 1000008 Parent 1000007 Size -1
Units 2
Chan V0.04 Id 1000012 Parent 1000007 Size -1
Name Global
type 2
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 1.000000 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 0.600000 -0.085940 0.189471 -0.079543
Chan V0.04 Id 1000037 Parent 1000007 Size -1
Name Global
type 3
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.125233 -0.191462 0.000000
PolH V0.02 Id 1000013 Parent 1000006 Size -1
Name Bk,3
center 1.700000 -0.300000 0.500000
x axis 1.000000 0.000000 0.000000
y axis 0.000000 1.000000 0.000000
z axis 0.000000 0.000000 1.000000
Transform
1.000000 0.000000 0.000000 0.000000
0.000000 1.000000 0.000000 0.000000
0.000000 0.000000 1.000000 0.000000
0 0 0 1
World Vertices 15
1.500000 0.000000 0.000000
1.500000 0.000000 0.500000
1.000000 0.000000 0.500000
1.000000 0.000000 0.000000
1.500000 0.000000 1.000000
1.000000 0.000000 1.000000
2.000000 -1.000000 0.000000
2.000000 -1.000000 0.500000
2.000000 -0.500000 0.500000
2.000000 -0.500000 0.000000
2.000000 -1.000000 1.000000
2.000000 -0.500000 1.000000
2.000000 0.000000 0.500000
2.000000 0.000000 0.000000
2.000000 0.000000 1.000000
Texture Vertices 4
0.000000 0.000000
0.000000 1.000000
1.000000 1.000000
1.000000 0.000000
Faces 6
Face verts 4 flags 0 mat 1
<0,0> <1,1> <2,2> <3,3> 
Face verts 4 flags 0 mat 1
<1,0> <4,1> <5,2> <2,3> 
Face verts 4 flags 0 mat 1
<6,0> <7,1> <8,2> <9,3> 
Face verts 4 flags 0 mat 1
<7,0> <10,1> <11,2> <8,3> 
Face verts 4 flags 0 mat 1
<9,0> <8,1> <12,2> <13,3> 
Face verts 4 flags 0 mat 1
<8,0> <11,1> <14,2> <12,3> 
Mat1 V0.05 Id 1000015 Parent 1000013 Size -1
mat# 0
shader: phong  facet: auto40
rgb 0.800000,0.700000,0.550000
alpha 1.00  ka 0.10  ks 0.50  exp 0.00  ior 1.00
texture: crate_planks.bmp
offset 0.00,0.00 repeats 2.00,2.00 flags 0
PrTx V0.01 Id 1000016 Parent 1000013 Size -1
mat# 1
shader: phong  facet: auto40
rgb 0.760000,0.600000,0.420000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
wood:
springrgba 0.800000,0.600000,0.400000,1.000000  summerrgba 0.500000,0.300000,0.150000,1.000000
ldratio 0.50  rdensity 8.00  rwidthvar 0.20  rshapevar 0.30
center 0.00,0.00,0.00scale 1.00,1.00,4.00
grain 2  seed 17
PrTx V0.01 Id 1000017 Parent 1000013 Size -1
mat# 2
shader: phong  facet: auto40
rgb 0.500000,0.500000,0.500000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
granite:
rgba1 0.200000,0.200000,0.200000,1.000000  rgba2 0.500000,0.450000,0.400000,1.000000
rgba3 0.750000,0.700000,0.650000,1.000000  rgba4 0.950000,0.950000,0.950000,1.000000
amount1 0.40  amount2 0.30  amount3 0.20  amount4 0.10
sharpness 0.50  scale 1.00,1.00,1.00  seed 4711.00
Unit V0.01 Id 1000014 Parent 1000013 Size -1
Units 2
Chan V0.04 Id 1000018 Parent 1000013 Size -1
Name Global
type 2
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 1.000000 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 0.600000 -0.058815 0.346800 -0.305698
Chan V0.04 Id 1000038 Parent 1000013 Size -1
Name Global
type 3
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.339984 0.461547 0.000000
PolH V0.02 Id 1000019 Parent 1000006 Size -1
Name Bk,4
center 1.230769 -0.576923 0.346154
x axis 1.000000 0.000000 0.000000
y axis 0.000000 1.000000 0.000000
z axis 0.000000 0.000000 1.000000
Transform
1.000000 0.000000 0.000000 0.000000
0.000000 1.000000 0.000000 0.000000
0.000000 0.000000 1.000000 0.000000
0 0 0 1
World Vertices 13
1.000000 -1.000000 0.000000
1.000000 -0.500000 0.000000
1.000000 -0.500000 0.500000
1.000000 -1.000000 0.500000
1.000000 0.000000 0.000000
1.000000 0.000000 0.500000
1.000000 -0.500000 1.000000
1.000000 -1.000000 1.000000
1.000000 0.000000 1.000000
2.000000 -1.000000 0.000000
2.000000 -0.500000 0.000000
1.500000 -0.500000 0.000000
1.500000 -1.000000 0.000000
Texture Vertices 4
0.000000 0.000000
0.000000 1.000000
1.000000 1.000000
1.000000 0.000000
Faces 5
Face verts 4 flags 0 mat 1
<0,0> <1,1> <2,2> <3,3> 
Face verts 4 flags 0 mat 1
<1,0> <4,1> <5,2> <2,3> 
Face verts 4 flags 0 mat 1
<3,0> <2,1> <6,2> <7,3> 
Face verts 4 flags 0 mat 1
<2,0> <5,1> <8,2> <6,3> 
Face verts 4 flags 0 mat 2
<9,0> <10,1> <11,2> <12,3> 
Mat1 V0.05 Id 1000021 Parent 1000019 Size -1
mat# 0
shader: phong  facet: auto40
rgb 0.800000,0.700000,0.550000
alpha 1.00  ka 0.10  ks 0.50  exp 0.00  ior 1.00
texture: crate_planks.bmp
offset 0.00,0.00 repeats 2.00,2.00 flags 0
PrTx V0.01 Id 1000022 Parent 1000019 Size -1
mat# 1
shader: phong  facet: auto40
rgb 0.760000,0.600000,0.420000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
wood:
springrgba 0.800000,0.600000,0.400000,1.000000  summerrgba 0.500000,0.300000,0.150000,1.000000
ldratio 0.50  rdensity 8.00  rwidthvar 0.20  rshapevar 0.30
center 0.00,0.00,0.00scale 1.00,1.00,4.00
grain 2  seed 17
PrTx V0.01 Id 1000023 Parent 1000019 Size -1
mat# 2
shader: phong  facet: auto40
rgb 0.500000,0.500000,0.500000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
granite:
rgba1 0.200000,0.200000,0.200000,1.000000  rgba2 0.500000,0.450000,0.400000,1.000000
rgba3 0.750000,0.700000,0.650000,1.000000  rgba4 0.950000,0.950000,0.950000,1.000000
amount1 0.40  amount2 0.30  amount3 0.20  amount4 0.10
sharpness 0.50  scale 1.00,1.00,1.00  seed 4711.00
Unit V0.01 Id 1000020 Parent 1000019 Size -1
Units 2
Chan V0.04 Id 1000024 Parent 1000019 Size -1
Name Global
type 2
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 1.000000 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 0.600000 0.000769 0.295285 -0.193023
Chan V0.04 Id 1000039 Parent 1000019 Size -1
Name Global
type 3
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 position -0.519366 -0.131491 -0.228783
PolH V0.02 Id 1000025 Parent 1000006 Size -1
Name Bk,5
center 1.464286 -0.571429 0.428571
x axis 1.000000 0.000000 0.000000
y axis 0.000000 1.000000 0.000000
z axis 0.000000 0.000000 1.000000
Transform
1.000000 0.000000 0.000000 0.000000
0.000000 1.000000 0.000000 0.000000
0.000000 0.000000 1.000000 0.000000
0 0 0 1
World Vertices 14
2.000000 -0.500000 0.000000
2.000000 0.000000 0.000000
1.500000 0.000000 0.000000
1.500000 -0.500000 0.000000
1.500000 -1.000000 0.000000
1.000000 -0.500000 0.000000
1.000000 -1.000000 0.000000
1.000000 0.000000 0.000000
2.000000 -1.000000 1.000000
1.500000 -1.000000 1.000000
1.500000 -0.500000 1.000000
2.000000 -0.500000 1.000000
1.000000 -1.000000 1.000000
1.000000 -0.500000 1.000000
Texture Vertices 4
0.000000 0.000000
0.000000 1.000000
1.000000 1.000000
1.000000 0.000000
Faces 5
Face verts 4 flags 0 mat 2
<0,0> <1,1> <2,2> <3,3> 
Face verts 4 flags 0 mat 2
<4,0> <3,1> <5,2> <6,3> 
Face verts 4 flags 0 mat 2
<3,0> <2,1> <7,2> <5,3> 
Face verts 4 flags 0 mat 0
<8,0> <9,1> <10,2> <11,3> 
Face verts 4 flags 0 mat 0
<9,0> <12,1> <13,2> <10,3> 
Mat1 V0.05 Id 1000027 Parent 1000025 Size -1
mat# 0
shader: phong  facet: auto40
rgb 0.800000,0.700000,0.550000
alpha 1.00  ka 0.10  ks 0.50  exp 0.00  ior 1.00
texture: crate_planks.bmp
offset 0.00,0.00 repeats 2.00,2.00 flags 0
PrTx V0.01 Id 1000028 Parent 1000025 Size -1
mat# 1
shader: phong  facet: auto40
rgb 0.760000,0.600000,0.420000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
wood:
springrgba 0.800000,0.600000,0.400000,1.000000  summerrgba 0.500000,0.300000,0.150000,1.000000
ldratio 0.50  rdensity 8.00  rwidthvar 0.20  rshapevar 0.30
center 0.00,0.00,0.00scale 1.00,1.00,4.00
grain 2  seed 17
PrTx V0.01 Id 1000029 Parent 1000025 Size -1
mat# 2
shader: phong  facet: auto40
rgb 0.500000,0.500000,0.500000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
granite:
rgba1 0.200000,0.200000,0.200000,1.000000  rgba2 0.500000,0.450000,0.400000,1.000000
rgba3 0.750000,0.700000,0.650000,1.000000  rgba4 0.950000,0.950000,0.950000,1.000000
amount1 0.40  amount2 0.30  amount3 0.20  amount4 0.10
sharpness 0.50  scale 1.00,1.00,1.00  seed 4711.00
Unit V0.01 Id 1000026 Parent 1000025 Size -1
Units 2
Chan V0.04 Id 1000030 Parent 1000025 Size -1
Name Global
type 2
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 1.000000 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 0.600000 -0.115629 -0.273128 -0.161113
Chan V0.04 Id 1000040 Parent 1000025 Size -1
Name Global
type 3
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 position -0.048158 -0.114314 -0.166822
PolH V0.02 Id 1000031 Parent 1000006 Size -1
Name Bk,6
center 1.500000 -0.250000 1.000000
x axis 1.000000 0.000000 0.000000
y axis 0.000000 1.000000 0.000000
z axis 0.000000 0.000000 1.000000
Transform
1.000000 0.000000 0.000000 0.000000
0.000000 1.000000 0.000000 0.000000
0.000000 0.000000 1.000000 0.000000
0 0 0 1
World Vertices 6
2.000000 -0.500000 1.000000
1.500000 -0.500000 1.000000
1.500000 0.000000 1.000000
2.000000 0.000000 1.000000
1.000000 -0.500000 1.000000
1.000000 0.000000 1.000000
Texture Vertices 4
0.000000 0.000000
0.000000 1.000000
1.000000 1.000000
1.000000 0.000000
Faces 2
Face verts 4 flags 0 mat 0
<0,0> <1,1> <2,2> <3,3> 
Face verts 4 flags 0 mat 0
<1,0> <4,1> <5,2> <2,3> 
Mat1 V0.05 Id 1000033 Parent 1000031 Size -1
mat# 0
shader: phong  facet: auto40
rgb 0.800000,0.700000,0.550000
alpha 1.00  ka 0.10  ks 0.50  exp 0.00  ior 1.00
texture: crate_planks.bmp
offset 0.00,0.00 repeats 2.00,2.00 flags 0
PrTx V0.01 Id 1000034 Parent 1000031 Size -1
mat# 1
shader: phong  facet: auto40
rgb 0.760000,0.600000,0.420000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
wood:
springrgba 0.800000,0.600000,0.400000,1.000000  summerrgba 0.500000,0.300000,0.150000,1.000000
ldratio 0.50  rdensity 8.00  rwidthvar 0.20  rshapevar 0.30
center 0.00,0.00,0.00scale 1.00,1.00,4.00
grain 2  seed 17
PrTx V0.01 Id 1000035 Parent 1000031 Size -1
mat# 2
shader: phong  facet: auto40
rgb 0.500000,0.500000,0.500000
alpha 1.00  ka 0.10  ks 0.30  exp 0.00  ior 1.00
granite:
rgba1 0.200000,0.200000,0.200000,1.000000  rgba2 0.500000,0.450000,0.400000,1.000000
rgba3 0.750000,0.700000,0.650000,1.000000  rgba4 0.950000,0.950000,0.950000,1.000000
amount1 0.40  amount2 0.30  amount3 0.20  amount4 0.10
sharpness 0.50  scale 1.00,1.00,1.00  seed 4711.00
Unit V0.01 Id 1000032 Parent 1000031 Size -1
Units 2
Chan V0.04 Id 1000036 Parent 1000031 Size -1
Name Global
type 2
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 1.000000 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 orientation 0.600000 0.135905 0.286300 0.213324
Chan V0.04 Id 1000041 Parent 1000031 Size -1
Name Global
type 3
flags 1 frames 2
time 0 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.000000 0.000000 0.000000
time 30 acc 0 t 0.000000 c -1.000000 b 0.000000 position 0.000000 0.496241 0.894707
END  V1.00 Id 0 Parent 0 Size        0
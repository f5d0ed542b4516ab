Caligari V00.01ALH             
PolH V0.06 Id 40001 Parent 0 Size 00002344
Name Crate
center 1.5 -0.5 0.5
x axis 1 0 0
y axis 0 1 0
z axis 0 0 1
Transform
0 -1 0 1.5
1 0 0 -0.5
0 0 1 0.5
0 0 0 1
World Vertices 26
-0.500000 -0.500000 -0.500000
-0.500000 -0.500000 0.000000
-0.500000 -0.500000 0.500000
-0.500000 0.000000 -0.500000
-0.500000 0.000000 0.000000
-0.500000 0.000000 0.500000
-0.500000 0.500000 -0.500000
-0.500000 0.500000 0.000000
-0.500000 0.500000 0.500000
0.000000 -0.500000 -0.500000
0.000000 -0.500000 0.000000
0.000000 -0.500000 0.500000
0.000000 0.000000 -0.500000
0.000000 0.000000 0.500000
0.000000 0.500000 -0.500000
0.000000 0.500000 0.000000
0.000000 0.500000 0.500000
0.500000 -0.500000 -0.500000
0.500000 -0.500000 0.000000
0.500000 -0.500000 0.500000
0.500000 0.000000 -0.500000
0.500000 0.000000 0.000000
0.500000 0.000000 0.500000
0.500000 0.500000 -0.500000
0.500000 0.500000 0.000000
0.500000 0.500000 0.500000
Texture Vertices 6
0.000000 0.000000
1.000000 0.000000
1.000000 1.000000
0.000000 1.000000
0.500000 0.000000
0.500000 1.000000
Faces 24
Face verts 4 flags 0 mat 1
<0,0> <1,1> <4,2> <3,3> 
Face verts 4 flags 0 mat 1
<3,0> <4,1> <7,2> <6,3> 
Face verts 4 flags 0 mat 1
<1,0> <2,1> <5,2> <4,3> 
Face verts 4 flags 0 mat 1
<4,0> <5,1> <8,2> <7,3> 
Face verts 4 flags 0 mat 1
<17,0> <20,1> <21,2> <18,3> 
Face verts 4 flags 0 mat 1
<18,0> <21,1> <22,2> <19,3> 
Face verts 4 flags 0 mat 1
<20,0> <23,1> <24,2> <21,3> 
Face verts 4 flags 0 mat 1
<21,0> <24,1> <25,2> <22,3> 
Face verts 4 flags 0 mat 1
<0,0> <9,1> <10,2> <1,3> 
Face verts 4 flags 0 mat 1
<1,0> <10,1> <11,2> <2,3> 
Face verts 4 flags 0 mat 1
<9,0> <17,1> <18,2> <10,3> 
Face verts 4 flags 0 mat 1
<10,0> <18,1> <19,2> <11,3> 
Face verts 4 flags 0 mat 1
<6,0> <7,1> <15,2> <14,3> 
Face verts 4 flags 0 mat 1
<14,0> <15,1> <24,2> <23,3> 
Face verts 4 flags 0 mat 1
<7,0> <8,1> <16,2> <15,3> 
Face verts 4 flags 0 mat 1
<15,0> <16,1> <25,2> <24,3> 
Face verts 4 flags 0 mat 2
<0,0> <3,1> <12,2> <9,3> 
Face verts 4 flags 0 mat 2
<9,0> <12,1> <20,2> <17,3> 
Face verts 4 flags 0 mat 2
<3,0> <6,1> <14,2> <12,3> 
Face verts 4 flags 0 mat 2
<12,0> <14,1> <23,2> <20,3> 
Face verts 4 flags 0 mat 0
<2,0> <11,1> <13,2> <5,3> 
Face verts 4 flags 0 mat 0
<5,0> <13,1> <16,2> <8,3> 
Face verts 4 flags 0 mat 0
<11,0> <19,1> <22,2> <13,3> 
Face verts 4 flags 0 mat 0
<13,0> <22,1> <25,2> <16,3> 
DrawFlags 0
Radiosity Quality: 0
Unit V0.01 Id 40002 Parent 40001 Size 00000008
Units 2
Mat1 V0.06 Id 40003 Parent 40001 Size 00000148
mat# 0
shader: phong  facet: auto40
rgb 0.8,0.7,0.55
alpha 1  ka 0.1  ks 0.5  exp 0  ior 1
texture: crate_planks.bmp
offset 0,0 repeats 2,2 flags 0
PrTx V0.01 Id 40004 Parent 40001 Size 00000312
mat# 1
shader: phong  facet: auto40
rgb 0.76,0.6,0.42
alpha 1  ka 0.1  ks 0.3  exp 0  ior 1
wood:
springrgba 0.800000,0.600000,0.400000,1.000000  summerrgba 0.500000,0.300000,0.150000,1.000000
ldratio 0.50  rdensity 8.00  rwidthvar 0.20  rshapevar 0.30
center 0.00,0.00,0.00scale 1.00,1.00,4.00
grain 2  seed 17
PrTx V0.01 Id 40005 Parent 40001 Size 00000375
mat# 2
shader: phong  facet: auto40
rgb 0.5,0.5,0.5
alpha 1  ka 0.1  ks 0.3  exp 0  ior 1
granite:
rgba1 0.200000,0.200000,0.200000,1.000000  rgba2 0.500000,0.450000,0.400000,1.000000
rgba3 0.750000,0.700000,0.650000,1.000000  rgba4 0.950000,0.950000,0.950000,1.000000
amount1 0.40  amount2 0.30  amount3 0.20  amount4 0.10
sharpness 0.50  scale 1.00,1.00,1.00  seed 4711.00
END  V1.00 Id 0 Parent 0 Size        0